#include "core/app/frmRandomPL.h"

#include "core/app/RandomSource.h"
#include "core/config/ConfigObjects.h"
#include "core/config/GlobalValues.h"
#include "core/config/ToolBox.h"

#include <new>

namespace karusello {

frmRandomPL::frmRandomPL(FormServices services)
    : s_(services), random_(std::make_unique<RandomSource>(RandomSource::SeedForThisRun())) {}

frmRandomPL::~frmRandomPL() = default;

ToolBox& frmRandomPL::Tools() {
    if (!toolBox_) {
        toolBox_ = std::make_shared<ToolBox>();
    }
    return *toolBox_;
}

GlobalValues& frmRandomPL::Globals() {
    if (!globalValues_) {
        // Creation reads the host INI file; a failure leaves the object uncreated.
        globalValues_ = std::make_shared<GlobalValues>();
    }
    return *globalValues_;
}

ConfigObjects& frmRandomPL::Texts() {
    if (!configObjects_) {
        configObjects_ = std::make_shared<ConfigObjects>();
    }
    return *configObjects_;
}

void frmRandomPL::Fire(FormEvent event) {
    try {
        switch (event) {
        case FormEvent::Load:
            Form_Load();
            break;
        case FormEvent::ShuffelClick:
            cmdShuffel_Click();
            break;
        case FormEvent::AbbruchClick:
            cmdAbbruch_Click();
            break;
        case FormEvent::WeiderherstellenClick:
            cmdWeiderherstellen_Click();
            break;
        case FormEvent::Timer1:
            Timer1_Timer();
            break;
        case FormEvent::Timer2:
            Timer2_Timer();
            break;
        case FormEvent::QueryUnload:
            Form_QueryUnload();
            break;
        }
    } catch (const ProgramEnd& end) {
        s_.lifetime.EndProgram(end.code);
    } catch (const RuntimeError& error) {
        s_.lifetime.ReportError(error);
        s_.lifetime.EndProgram(ExitCode::ErrorReport);
    } catch (const std::bad_alloc&) {
        s_.lifetime.ReportError(RuntimeError(errnum::OutOfMemory));
        s_.lifetime.EndProgram(ExitCode::ErrorReport);
    } catch (const std::exception& error) {
        s_.lifetime.ReportError(RuntimeError(
            errnum::InternalError, StandardErrorText(errnum::InternalError) + ": " + error.what()));
        s_.lifetime.EndProgram(ExitCode::ErrorReport);
    }
}

} // namespace karusello
