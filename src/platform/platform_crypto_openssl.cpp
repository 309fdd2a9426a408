// The cryptography of encrypted data files in the native build: OpenSSL's
// libcrypto.

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/platform_crypto.h"

namespace {

// OpenSSL counts most lengths in int; longer data goes in pieces of this.
constexpr std::size_t kLargestPiece = std::size_t{1} << 30;

// What a final GCM call may write: nothing, as GCM has no padding, but the
// call still asks for a buffer.
using FinalBlock = std::uint8_t[16];

bool FitsInt(std::size_t size) { return size <= INT_MAX; }

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// A context for AES-256-GCM in the direction `encrypt`, with its key and
// nonce set; empty on a bad argument or failure.
CipherContext StartAesGcm(bool encrypt, std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce) {
    if (key.size() != kAesKeySize || nonce.size() != kGcmNonceSize) return nullptr;
    CipherContext context(EVP_CIPHER_CTX_new());
    // The nonce length is set (to GCM's usual 12 anyway) before the nonce.
    if (!context ||
        EVP_CipherInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr, encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, static_cast<int>(nonce.size()), nullptr) != 1 ||
        EVP_CipherInit_ex(context.get(), nullptr, nullptr, key.data(), nonce.data(), -1) != 1)
        return nullptr;
    return context;
}

// Feeds the associated data, then `data` in place, in pieces an int can count.
bool UpdateAesGcm(EVP_CIPHER_CTX* context, std::span<const std::uint8_t> associated, std::span<std::uint8_t> data) {
    while (!associated.empty()) {
        const std::size_t piece = std::min(associated.size(), kLargestPiece);
        int written = 0;
        if (EVP_CipherUpdate(context, nullptr, &written, associated.data(), static_cast<int>(piece)) != 1) return false;
        associated = associated.subspan(piece);
    }
    while (!data.empty()) {
        const std::size_t piece = std::min(data.size(), kLargestPiece);
        int written = 0;
        // GCM is a stream: each piece comes out whole, at once.
        if (EVP_CipherUpdate(context, data.data(), &written, data.data(), static_cast<int>(piece)) != 1 ||
            written != static_cast<int>(piece))
            return false;
        data = data.subspan(piece);
    }
    return true;
}

}  // namespace

bool RandomBytes(std::span<std::uint8_t> out) {
    while (!out.empty()) {
        const std::size_t piece = std::min(out.size(), kLargestPiece);
        if (RAND_bytes(out.data(), static_cast<int>(piece)) != 1) return false;
        out = out.subspan(piece);
    }
    return true;
}

bool DeriveKeyPbkdf2Sha256(std::string_view password, std::span<const std::uint8_t> salt, std::uint32_t iterations,
                           std::span<std::uint8_t> key) {
    if (iterations == 0 || iterations > INT_MAX || key.empty() || !FitsInt(password.size()) ||
        !FitsInt(salt.size()) || !FitsInt(key.size()))
        return false;
    return PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(),
                             static_cast<int>(salt.size()), static_cast<int>(iterations), EVP_sha256(),
                             static_cast<int>(key.size()), key.data()) == 1;
}

bool HmacSha256(std::span<const std::uint8_t> key, std::span<const std::uint8_t> data,
                std::span<std::uint8_t, kSha256Size> mac) {
    if (!FitsInt(key.size())) return false;
    // An empty key is a valid HMAC key, but a null pointer is not taken for one.
    static const std::uint8_t kNoKey = 0;
    unsigned int written = 0;
    return HMAC(EVP_sha256(), key.empty() ? &kNoKey : key.data(), static_cast<int>(key.size()), data.data(),
                data.size(), mac.data(), &written) != nullptr &&
           written == mac.size();
}

bool EncryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<std::uint8_t, kGcmTagSize> tag) {
    const CipherContext context = StartAesGcm(true, key, nonce);
    FinalBlock last;
    int written = 0;
    return context && UpdateAesGcm(context.get(), associated, data) &&
           EVP_CipherFinal_ex(context.get(), last, &written) == 1 && written == 0 &&
           EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(tag.size()), tag.data()) == 1;
}

bool DecryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<const std::uint8_t, kGcmTagSize> tag) {
    const CipherContext context = StartAesGcm(false, key, nonce);
    if (!context) return false;
    FinalBlock last;
    int written = 0;
    // SET_TAG takes a non-const pointer but only copies the tag.
    if (UpdateAesGcm(context.get(), associated, data) &&
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(tag.size()),
                            const_cast<std::uint8_t*>(tag.data())) == 1 &&
        EVP_CipherFinal_ex(context.get(), last, &written) == 1 && written == 0)
        return true;
    // The plaintext is already written when the tag is refused: none of it is
    // to reach a caller that reads `data` anyway.
    WipeBytes(data.data(), data.size());
    return false;
}

void WipeBytes(void* bytes, std::size_t count) { OPENSSL_cleanse(bytes, count); }
