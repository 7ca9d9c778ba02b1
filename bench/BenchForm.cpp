#include "bench/BenchForm.h"

#include "bench/Baseline.h"

#include <random>
#include <stdexcept>

namespace karusello::bench {

void FailingLifetime::ReportError(const RuntimeError& error) {
    lastError_ = error.what();
}

void FailingLifetime::EndProgram(ExitCode code) {
    throw std::runtime_error("the window ended the program with code " +
                             std::to_string(static_cast<int>(code)) +
                             (lastError_.empty() ? "" : ": " + lastError_));
}

BenchForm::BenchForm(const BenchHost& host, std::int32_t playlistId)
    : playlistId_(playlistId), location_(host.folder.string(), "karusello"), process_(playlistId),
      form_(FormServices{view_, skin_, windows_, process_, events_, message_, lifetime_}) {
    Fire(FormEvent::Load);
}

void BenchForm::Fire(FormEvent event) {
    form_.Fire(event);
    if (form_.PlaylistId != playlistId_) {
        throw std::runtime_error("the window refused playlist " + std::to_string(playlistId_));
    }
}

PairedResult PairedShuffle(benchmark::State& state, const BenchHost& host,
                           std::int32_t playlistId) {
    BenchForm form(host, playlistId);
    form.Fire(FormEvent::ShuffelClick);
    std::minstd_rand random;
    return RunPaired(
        state, [&] { form.Fire(FormEvent::ShuffelClick); },
        [&] { BaselineShuffle(host.database, playlistId, random); });
}

} // namespace karusello::bench
