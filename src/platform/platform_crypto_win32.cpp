// The cryptography of encrypted data files on Windows: CNG (bcrypt.dll).

#include <windows.h>
#include <bcrypt.h>

#include <climits>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/platform_crypto.h"

namespace {

// CNG counts bytes in ULONG: anything longer is refused, never cut short.
bool FitsUlong(std::size_t size) { return size <= ULONG_MAX; }

// CNG takes its inputs through non-const pointers but does not write them.
PUCHAR In(const void* bytes) { return static_cast<PUCHAR>(const_cast<void*>(bytes)); }

NTSTATUS WINAPI CloseAlgorithm(BCRYPT_ALG_HANDLE handle) { return BCryptCloseAlgorithmProvider(handle, 0); }

// A CNG object for the calling code's scope, released with it; the derived
// class makes it, and holds none when CNG refused.
template <class Handle, NTSTATUS(WINAPI* Release)(Handle)>
class CngObject {
public:
    CngObject(const CngObject&) = delete;
    CngObject& operator=(const CngObject&) = delete;
    Handle get() const { return handle_; }

protected:
    CngObject() = default;
    ~CngObject() {
        if (handle_) Release(handle_);
    }
    Handle handle_ = nullptr;
};

class Algorithm : public CngObject<BCRYPT_ALG_HANDLE, CloseAlgorithm> {
public:
    Algorithm(LPCWSTR name, ULONG flags) {
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle_, name, nullptr, flags))) handle_ = nullptr;
    }
};

class Hash : public CngObject<BCRYPT_HASH_HANDLE, BCryptDestroyHash> {
public:
    // An HMAC on `algorithm` (opened with BCRYPT_ALG_HANDLE_HMAC_FLAG) keyed
    // with `key`; CNG keeps the hash object itself (no buffer passed).
    Hash(const Algorithm& algorithm, std::span<const std::uint8_t> key) {
        if (!algorithm.get() || !FitsUlong(key.size()) ||
            !BCRYPT_SUCCESS(BCryptCreateHash(algorithm.get(), &handle_, nullptr, 0, In(key.data()),
                                             static_cast<ULONG>(key.size()), 0)))
            handle_ = nullptr;
    }
};

class Key : public CngObject<BCRYPT_KEY_HANDLE, BCryptDestroyKey> {
public:
    // An AES-256-GCM key; CNG keeps the key object itself (no buffer passed).
    Key(const Algorithm& algorithm, std::span<const std::uint8_t> secret) {
        if (!algorithm.get() || secret.size() != kAesKeySize ||
            !BCRYPT_SUCCESS(BCryptGenerateSymmetricKey(algorithm.get(), &handle_, nullptr, 0, In(secret.data()),
                                                       static_cast<ULONG>(secret.size()), 0)))
            handle_ = nullptr;
    }
};

// AES in GCM mode: the chaining mode is a property of the provider, which the
// keys made from it take.
bool OpenAesGcm(const Algorithm& aes) {
    return aes.get() && BCRYPT_SUCCESS(BCryptSetProperty(aes.get(), BCRYPT_CHAINING_MODE, In(BCRYPT_CHAIN_MODE_GCM),
                                                         sizeof(BCRYPT_CHAIN_MODE_GCM), 0));
}

// The arguments of one GCM call, checked; `tag` is read on decryption and
// written on encryption.
bool GcmInfo(std::span<const std::uint8_t> nonce, std::span<const std::uint8_t> associated,
             std::span<const std::uint8_t> data, const std::uint8_t* tag, BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO& info) {
    if (nonce.size() != kGcmNonceSize || !FitsUlong(associated.size()) || !FitsUlong(data.size())) return false;
    BCRYPT_INIT_AUTH_MODE_INFO(info);
    info.pbNonce = In(nonce.data());
    info.cbNonce = static_cast<ULONG>(nonce.size());
    info.pbAuthData = associated.empty() ? nullptr : In(associated.data());
    info.cbAuthData = static_cast<ULONG>(associated.size());
    info.pbTag = In(tag);
    info.cbTag = static_cast<ULONG>(kGcmTagSize);
    return true;
}

// The data buffer of a GCM call. A null output is CNG's request for the
// output size alone, and under Wine BCryptDecrypt then succeeds without
// checking the tag: empty data, whose span may have no pointer, is passed as
// `none`'s address with length 0.
PUCHAR Buffer(std::span<std::uint8_t> data, UCHAR& none) { return data.empty() ? &none : data.data(); }

}  // namespace

bool RandomBytes(std::span<std::uint8_t> out) {
    // Only one call's count is limited: more bytes come in more calls.
    while (!out.empty()) {
        const ULONG count = out.size() > ULONG_MAX ? ULONG_MAX : static_cast<ULONG>(out.size());
        if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, out.data(), count, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) return false;
        out = out.subspan(count);
    }
    return true;
}

bool DeriveKeyPbkdf2Sha256(std::string_view password, std::span<const std::uint8_t> salt, std::uint32_t iterations,
                           std::span<std::uint8_t> key) {
    if (iterations == 0 || key.empty() || !FitsUlong(password.size()) || !FitsUlong(salt.size()) ||
        !FitsUlong(key.size()))
        return false;
    const Algorithm hmac(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
    return hmac.get() && BCRYPT_SUCCESS(BCryptDeriveKeyPBKDF2(hmac.get(), In(password.data()),
                                                              static_cast<ULONG>(password.size()), In(salt.data()),
                                                              static_cast<ULONG>(salt.size()), iterations, key.data(),
                                                              static_cast<ULONG>(key.size()), 0));
}

bool HmacSha256(std::span<const std::uint8_t> key, std::span<const std::uint8_t> data,
                std::span<std::uint8_t, kSha256Size> mac) {
    const Algorithm hmac(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
    const Hash hash(hmac, key);
    if (!hash.get()) return false;
    // The data can go in pieces: a hash takes any number of calls.
    while (!data.empty()) {
        const ULONG count = data.size() > ULONG_MAX ? ULONG_MAX : static_cast<ULONG>(data.size());
        if (!BCRYPT_SUCCESS(BCryptHashData(hash.get(), In(data.data()), count, 0))) return false;
        data = data.subspan(count);
    }
    return BCRYPT_SUCCESS(BCryptFinishHash(hash.get(), mac.data(), static_cast<ULONG>(mac.size()), 0));
}

namespace {

// AES-256-GCM in place, one way or the other: BCryptEncrypt and
// BCryptDecrypt take the same arguments, and CNG allows the output to be the
// input buffer.
bool RunAesGcm(bool decrypt, std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
               std::span<const std::uint8_t> associated, std::span<std::uint8_t> data, const std::uint8_t* tag) {
    BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
    if (!GcmInfo(nonce, associated, data, tag, info)) return false;
    const Algorithm aes(BCRYPT_AES_ALGORITHM, 0);
    if (!OpenAesGcm(aes)) return false;
    const Key aesKey(aes, key);
    if (!aesKey.get()) return false;
    UCHAR none = 0;
    const PUCHAR bytes = Buffer(data, none);
    ULONG written = 0;
    const auto run = decrypt ? BCryptDecrypt : BCryptEncrypt;
    if (BCRYPT_SUCCESS(run(aesKey.get(), bytes, static_cast<ULONG>(data.size()), &info, nullptr, 0, bytes,
                           static_cast<ULONG>(data.size()), &written, 0)) &&
        written == data.size())
        return true;
    // A refused tag may leave the unauthenticated plaintext behind: none of
    // it is to reach a caller that reads `data` anyway.
    if (decrypt) WipeBytes(data.data(), data.size());
    return false;
}

}  // namespace

bool EncryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<std::uint8_t, kGcmTagSize> tag) {
    return RunAesGcm(false, key, nonce, associated, data, tag.data());
}

bool DecryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<const std::uint8_t, kGcmTagSize> tag) {
    return RunAesGcm(true, key, nonce, associated, data, tag.data());
}

void WipeBytes(void* bytes, std::size_t count) { SecureZeroMemory(bytes, count); }
