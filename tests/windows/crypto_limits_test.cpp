// CNG counts bytes in ULONG: the cryptography refuses anything of 4 GiB or
// more rather than cut it short. The long inputs are address space reserved
// and never committed, so reading a byte of them would crash the test: each
// refusal must come before CNG sees the data.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/platform_crypto.h"

namespace {

constexpr std::size_t kTooLong = std::size_t{ULONG_MAX} + 1;

class Reserved {
public:
    Reserved() : bytes_(static_cast<std::uint8_t*>(VirtualAlloc(nullptr, kTooLong, MEM_RESERVE, PAGE_NOACCESS))) {}
    ~Reserved() {
        if (bytes_) VirtualFree(bytes_, 0, MEM_RELEASE);
    }
    Reserved(const Reserved&) = delete;
    Reserved& operator=(const Reserved&) = delete;
    std::span<std::uint8_t> span() const { return {bytes_, kTooLong}; }
    bool ok() const { return bytes_ != nullptr; }

private:
    std::uint8_t* bytes_;
};

TEST(CryptoLimits, AesGcmRefusesDataOrAssociatedDataOf4GiB) {
    const Reserved huge;
    ASSERT_TRUE(huge.ok());
    const std::vector<std::uint8_t> key(kAesKeySize), nonce(kGcmNonceSize);
    std::vector<std::uint8_t> data(16);
    std::array<std::uint8_t, kGcmTagSize> tag{};
    EXPECT_FALSE(EncryptAesGcm(key, nonce, {}, huge.span(), tag));
    EXPECT_FALSE(DecryptAesGcm(key, nonce, {}, huge.span(), tag));
    EXPECT_FALSE(EncryptAesGcm(key, nonce, huge.span(), data, tag));
    EXPECT_FALSE(DecryptAesGcm(key, nonce, huge.span(), data, tag));
}

TEST(CryptoLimits, Pbkdf2RefusesAPasswordSaltOrKeyOf4GiB) {
    const Reserved huge;
    ASSERT_TRUE(huge.ok());
    std::vector<std::uint8_t> key(32);
    const std::string_view password(reinterpret_cast<const char*>(huge.span().data()), kTooLong);
    EXPECT_FALSE(DeriveKeyPbkdf2Sha256(password, std::vector<std::uint8_t>(16), 1, key));
    EXPECT_FALSE(DeriveKeyPbkdf2Sha256("passwd", huge.span(), 1, key));
    EXPECT_FALSE(DeriveKeyPbkdf2Sha256("passwd", std::vector<std::uint8_t>(16), 1, huge.span()));
}

TEST(CryptoLimits, HmacRefusesAKeyOf4GiB) {
    const Reserved huge;
    ASSERT_TRUE(huge.ok());
    std::array<std::uint8_t, kSha256Size> mac{};
    EXPECT_FALSE(HmacSha256(huge.span(), std::vector<std::uint8_t>(16), mac));
}

}  // namespace
