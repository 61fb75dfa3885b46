// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry of one target: TALLYVANE_FUZZ_TARGET names the check
// it runs, which the replay test of the normal suite runs as well.

#include "fuzzchecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const tallyvane::fuzz::FuzzCheck* check = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tallyvane::fuzz::prepareFuzzChecks();
    check = tallyvane::fuzz::findFuzzCheck(TALLYVANE_FUZZ_TARGET);
    if (check == nullptr) {
        std::fprintf(stderr, "no fuzz check is named %s\n", TALLYVANE_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        check->run(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const tallyvane::fuzz::CheckFailure& failure) {
        std::fprintf(stderr, "check %s failed: %s\n", check->name, failure.what());
        std::abort();
    }
    return 0;
}
