// What an encrypted file of a million transactions (94 MB) costs under Wine,
// through the real CNG calls: the key derivation (once per password change
// and once per open), then the save and the open beyond it, beside a plain
// file's save and load.

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "model/file/encrypted_file.h"
#include "sample_document.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
    const std::string plainPath = "encryption_timing_plain.pwf", encryptedPath = "encryption_timing_encrypted.pwf";
    Document document = MakeDocument(1'000'000);

    Clock::time_point start = Clock::now();
    const bool plainSaved = document.Save(plainPath);
    const double plainSave = MillisecondsSince(start);
    start = Clock::now();
    Document plain;
    const bool plainLoaded = plain.Load(plainPath);
    const double plainLoad = MillisecondsSince(start);

    document.password = "correct horse";
    start = Clock::now();
    std::optional<FileProtection> protection = ProtectionFor("correct horse");
    const double derivation = MillisecondsSince(start);
    if (!protection || !plainSaved || !plainLoaded) {
        std::printf("failed before the encrypted file\n");
        return 1;
    }
    document.protection = *protection;
    start = Clock::now();
    const bool saved = document.Save(encryptedPath);
    const double encryptedSave = MillisecondsSince(start);

    start = Clock::now();
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(encryptedPath);
    const std::optional<EnvelopeHeader> header = bytes ? ReadEnvelopeHeader(*bytes) : std::nullopt;
    const double read = MillisecondsSince(start);
    start = Clock::now();
    const std::optional<FileProtection> unlocked = header ? UnlockEnvelope(*header, "correct horse") : std::nullopt;
    const double unlock = MillisecondsSince(start);
    start = Clock::now();
    Document opened;
    const bool decrypted = unlocked && OpenEnvelope(*bytes, *unlocked, "correct horse", opened, nullptr);
    const double open = MillisecondsSince(start);

    std::printf("plain file: save %.0f ms, load %.0f ms\n", plainSave, plainLoad);
    std::printf("key derivation (%u rounds): %.0f ms to set the password, %.0f ms to open\n", kNewKeyIterations,
                derivation, unlock);
    std::printf("encrypted file: save %.0f ms%s; open beyond the derivation %.0f ms (read %.0f, decrypt and load %.0f)%s\n",
                encryptedSave, saved ? "" : " (FAILED)", read + open, read, open,
                decrypted && opened == document ? "" : " (FAILED)");
    std::remove(plainPath.c_str());
    std::remove(encryptedPath.c_str());
    return 0;
}
