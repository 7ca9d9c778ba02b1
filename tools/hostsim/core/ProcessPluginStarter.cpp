#include "tools/hostsim/core/ProcessPluginStarter.h"

#include <QProcess>
#include <QStringList>

#include <stdexcept>

namespace karusello::hostsim {

std::int64_t ProcessPluginStarter::Start(const std::filesystem::path& program,
                                         const std::vector<std::string>& arguments,
                                         const std::filesystem::path& workingFolder) {
    QProcess process;
    process.setProgram(QString::fromStdString(program.string()));
    QStringList args;
    for (const std::string& argument : arguments) {
        args << QString::fromStdString(argument);
    }
    process.setArguments(args);
    process.setWorkingDirectory(QString::fromStdString(workingFolder.string()));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        throw std::runtime_error("cannot start " + program.string() + ": " +
                                 process.errorString().toStdString());
    }
    return pid;
}

} // namespace karusello::hostsim
