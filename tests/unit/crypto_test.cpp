// The cryptography of encrypted data files against published known answers.
// The same tests run in both builds: here against OpenSSL, and in
// tests/windows against CNG under Wine.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "../crypto_vectors.h"
#include "platform/platform_crypto.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Tag = std::array<std::uint8_t, kGcmTagSize>;

Tag TagFromHex(std::string_view hex) {
    const Bytes bytes = FromHex(hex);
    Tag tag{};
    std::copy(bytes.begin(), bytes.end(), tag.begin());
    return tag;
}

bool AllZero(const Bytes& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// Decrypts `ciphertext` under the vector's key and nonce with the given
// associated data and tag; the plaintext when accepted.
bool Decrypts(const GcmVector& v, const Bytes& associated, Bytes ciphertext, const Tag& tag, Bytes* plaintext) {
    const bool accepted = DecryptAesGcm(FromHex(v.key), FromHex(v.nonce), associated, ciphertext, tag);
    if (plaintext) *plaintext = ciphertext;
    return accepted;
}

TEST(Crypto, Pbkdf2Sha256GivesThePublishedKeys) {
    for (const Pbkdf2Vector& v : kPbkdf2Vectors) {
        SCOPED_TRACE(testing::Message() << v.password << "/" << v.salt << "/" << v.iterations);
        Bytes key(v.key.size() / 2);
        ASSERT_TRUE(DeriveKeyPbkdf2Sha256(v.password, FromText(v.salt), v.iterations, key));
        EXPECT_EQ(key, FromHex(v.key));
    }
}

TEST(Crypto, Pbkdf2Sha256RefusesNoRoundsAndNoKey) {
    Bytes key(32);
    EXPECT_FALSE(DeriveKeyPbkdf2Sha256("passwd", FromText("salt"), 0, key));
    Bytes none;
    EXPECT_FALSE(DeriveKeyPbkdf2Sha256("passwd", FromText("salt"), 1, none));
}

TEST(Crypto, Pbkdf2Sha256TakesAnEmptyPasswordAsAZeroByte) {
    // HMAC pads a short key with zeros, so "" and "\0" are the same HMAC key.
    Bytes empty(32), zero(32);
    ASSERT_TRUE(DeriveKeyPbkdf2Sha256("", FromText("salt"), 2, empty));
    ASSERT_TRUE(DeriveKeyPbkdf2Sha256(std::string_view("\0", 1), FromText("salt"), 2, zero));
    EXPECT_EQ(empty, zero);
    EXPECT_FALSE(AllZero(empty));
}

TEST(Crypto, HmacSha256GivesThePublishedMacs) {
    for (const HmacVector& v : kHmacVectors) {
        SCOPED_TRACE(v.name);
        std::array<std::uint8_t, kSha256Size> mac{};
        ASSERT_TRUE(HmacSha256(FromHex(v.key), FromHex(v.data), mac));
        EXPECT_EQ(Bytes(mac.begin(), mac.end()), FromHex(v.mac));
    }
}

TEST(Crypto, HmacSha256TakesAnEmptyKeyAsZeros) {
    // HMAC pads a short key with zeros to the block: an empty key is a block of them.
    const Bytes data = FromText("what do ya want for nothing?");
    std::array<std::uint8_t, kSha256Size> empty{}, zeros{};
    ASSERT_TRUE(HmacSha256({}, data, empty));
    ASSERT_TRUE(HmacSha256(Bytes(64, 0), data, zeros));
    EXPECT_EQ(empty, zeros);
}

TEST(Crypto, AesGcmEncryptsToThePublishedCiphertextsAndTags) {
    for (const GcmVector& v : kGcmVectors) {
        SCOPED_TRACE(v.name);
        Bytes data = FromHex(v.plaintext);
        Tag tag{};
        ASSERT_TRUE(EncryptAesGcm(FromHex(v.key), FromHex(v.nonce), FromHex(v.associated), data, tag));
        EXPECT_EQ(data, FromHex(v.ciphertext));
        EXPECT_EQ(tag, TagFromHex(v.tag));
    }
}

TEST(Crypto, AesGcmDecryptsThePublishedCiphertexts) {
    for (const GcmVector& v : kGcmVectors) {
        SCOPED_TRACE(v.name);
        Bytes plaintext;
        ASSERT_TRUE(Decrypts(v, FromHex(v.associated), FromHex(v.ciphertext), TagFromHex(v.tag), &plaintext));
        EXPECT_EQ(plaintext, FromHex(v.plaintext));
    }
}

TEST(Crypto, AesGcmRefusesAChangedTagCiphertextOrAssociatedData) {
    for (const GcmVector& v : kGcmVectors) {
        SCOPED_TRACE(v.name);
        const Bytes associated = FromHex(v.associated), ciphertext = FromHex(v.ciphertext);
        const Tag tag = TagFromHex(v.tag);
        for (std::size_t at : {std::size_t{0}, kGcmTagSize - 1}) {
            Tag changed = tag;
            changed[at] ^= 0x01;
            EXPECT_FALSE(Decrypts(v, associated, ciphertext, changed, nullptr)) << "tag byte " << at;
        }
        if (!ciphertext.empty()) {
            Bytes changed = ciphertext, plaintext;
            changed.back() ^= 0x80;
            EXPECT_FALSE(Decrypts(v, associated, changed, tag, &plaintext)) << "ciphertext";
            // What was decrypted before the tag was refused is not left behind.
            EXPECT_TRUE(AllZero(plaintext));
        }
        if (!associated.empty()) {
            Bytes changed = associated;
            changed[0] ^= 0x01;
            EXPECT_FALSE(Decrypts(v, changed, ciphertext, tag, nullptr)) << "associated data";
        }
        // Associated data where there was none, or none where there was.
        EXPECT_FALSE(Decrypts(v, associated.empty() ? Bytes{0} : Bytes{}, ciphertext, tag, nullptr));
    }
}

TEST(Crypto, AesGcmRefusesAnotherKeyOrNonce) {
    const GcmVector& v = kGcmVectors[3];
    Bytes key = FromHex(v.key), nonce = FromHex(v.nonce), data = FromHex(v.ciphertext);
    key[31] ^= 0x01;
    EXPECT_FALSE(DecryptAesGcm(key, nonce, FromHex(v.associated), data, TagFromHex(v.tag)));
    key[31] ^= 0x01;
    nonce[0] ^= 0x01;
    data = FromHex(v.ciphertext);
    EXPECT_FALSE(DecryptAesGcm(key, nonce, FromHex(v.associated), data, TagFromHex(v.tag)));
}

TEST(Crypto, AesGcmRefusesOtherKeyAndNonceSizes) {
    Bytes data(16);
    Tag tag{};
    EXPECT_FALSE(EncryptAesGcm(Bytes(16), Bytes(kGcmNonceSize), {}, data, tag));  // AES-128's
    EXPECT_FALSE(EncryptAesGcm(Bytes(kAesKeySize), Bytes(16), {}, data, tag));
    EXPECT_FALSE(DecryptAesGcm(Bytes(16), Bytes(kGcmNonceSize), {}, data, tag));
    EXPECT_FALSE(DecryptAesGcm(Bytes(kAesKeySize), Bytes(8), {}, data, tag));
}

TEST(Crypto, AesGcmRoundTripsALargeBufferInPlace) {
    Bytes key(kAesKeySize), nonce(kGcmNonceSize), original(3 * 1024 * 1024 + 7);
    ASSERT_TRUE(RandomBytes(key));
    ASSERT_TRUE(RandomBytes(nonce));
    ASSERT_TRUE(RandomBytes(original));
    const Bytes associated = FromText("header");
    Bytes data = original;
    Tag tag{};
    ASSERT_TRUE(EncryptAesGcm(key, nonce, associated, data, tag));
    EXPECT_NE(data, original);
    ASSERT_TRUE(DecryptAesGcm(key, nonce, associated, data, tag));
    EXPECT_EQ(data, original);
}

TEST(Crypto, RandomBytesDifferFromDrawToDraw) {
    Bytes first(32), second(32);
    ASSERT_TRUE(RandomBytes(first));
    ASSERT_TRUE(RandomBytes(second));
    EXPECT_NE(first, second);
    EXPECT_FALSE(AllZero(first));
    EXPECT_FALSE(AllZero(second));
}

TEST(Crypto, WipeBytesZeroes) {
    Bytes secret = FromText("Password");
    WipeBytes(secret.data(), secret.size());
    EXPECT_TRUE(AllZero(secret));
}

}  // namespace
