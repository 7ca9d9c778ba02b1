#include "core/check/StartOptions.h"

#include "core/check/StartRequest.h"
#include "core/check/StationCheck.h"

namespace karusello::check {

std::optional<ExitCode> RunStartOption(const std::string& arguments, const std::string& version,
                                       const std::function<CheckParts()>& makeCheckParts,
                                       const OptionOutput& output) {
    const StartRequest start = ReadStartRequest(arguments);
    switch (start.mode) {
    case StartMode::Version:
        output.version(VersionLine(version));
        return ExitCode::Normal;
    case StartMode::Check: {
        const CheckParts parts = makeCheckParts();
        const CheckReport report = StationCheck(*parts.platform, *parts.windows).Run(start.check);
        output.report(report.Text(ReportHeading(version)), report.Problems() == 0);
        return report.Code();
    }
    case StartMode::Plugin:
        break;
    }
    return std::nullopt;
}

} // namespace karusello::check
