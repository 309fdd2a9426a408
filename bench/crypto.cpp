// The cryptography of encrypted data files with OpenSSL: the key derivation
// at 600,000 PBKDF2-HMAC-SHA256 rounds, and AES-256-GCM over 94 MB, the size
// of a file of a million transactions, encrypted and then decrypted in place.
// bench/wine/crypto_timing.cpp times the same under Wine with CNG.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/platform_crypto.h"

namespace {

constexpr std::uint32_t kRounds = 600'000;
constexpr std::size_t kFileSize = 94'000'000;

void BM_DeriveKeyPbkdf2Sha256(benchmark::State& state) {
    const std::vector<std::uint8_t> salt(16, 0x5a);
    std::array<std::uint8_t, kAesKeySize> key{};
    for (auto _ : state) {
        if (!DeriveKeyPbkdf2Sha256("correct horse battery staple", salt, kRounds, key))
            state.SkipWithError("the derivation failed");
        benchmark::DoNotOptimize(key);
    }
    state.SetLabel("600,000 rounds");
}

void BM_AesGcmEncryptDecrypt(benchmark::State& state) {
    std::vector<std::uint8_t> key(kAesKeySize, 0x11), nonce(kGcmNonceSize, 0x22), header(64, 0x33);
    std::vector<std::uint8_t> data(kFileSize, 0x44);
    std::array<std::uint8_t, kGcmTagSize> tag{};
    for (auto _ : state) {
        if (!EncryptAesGcm(key, nonce, header, data, tag) || !DecryptAesGcm(key, nonce, header, data, tag))
            state.SkipWithError("encryption or decryption failed");
        benchmark::DoNotOptimize(data.data());
    }
    // Each byte goes through AES-GCM twice.
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2 * kFileSize);
    state.SetLabel("94 MB encrypted, then decrypted");
}

}  // namespace

BENCHMARK(BM_DeriveKeyPbkdf2Sha256)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_AesGcmEncryptDecrypt)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
