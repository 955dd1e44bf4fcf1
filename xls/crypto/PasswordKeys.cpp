#include "xls/crypto/PasswordKeys.h"

#include "xls/common/CodePage.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>
#include <nettle/sha1.h>

#include <algorithm>

namespace xls::crypto {
namespace {

// [MS-OFFCRYPTO] 2.3.7.2: the key's starting value per password length, the
// matrix its bits select, and the bytes that pad a short password.
constexpr std::array<std::uint16_t, kMaxXorPasswordLength> kInitialCode{
    0xE1F0, 0x1D0F, 0xCC9C, 0x84C0, 0x110C, 0x0E10, 0xF1CE, 0x313E,
    0x1872, 0xE139, 0xD40F, 0x84F9, 0x280C, 0xA96A, 0x4EC3};
constexpr std::array<std::uint16_t, 7 * kMaxXorPasswordLength> kEncryptionMatrix{
    0xAEFC, 0x4DD9, 0x9BB2, 0x2745, 0x4E8A, 0x9D14, 0x2A09, 0x7B61, 0xF6C2, 0xFDA5, 0xEB6B, 0xC6F7,
    0x9DCF, 0x2BBF, 0x4563, 0x8AC6, 0x05AD, 0x0B5A, 0x16B4, 0x2D68, 0x5AD0, 0x0375, 0x06EA, 0x0DD4,
    0x1BA8, 0x3750, 0x6EA0, 0xDD40, 0xD849, 0xA0B3, 0x5147, 0xA28E, 0x553D, 0xAA7A, 0x44D5, 0x6F45,
    0xDE8A, 0xAD35, 0x4A4B, 0x9496, 0x390D, 0x721A, 0xEB23, 0xC667, 0x9CEF, 0x29FF, 0x53FE, 0xA7FC,
    0x5FD9, 0x47D3, 0x8FA6, 0x0F6D, 0x1EDA, 0x3DB4, 0x7B68, 0xF6D0, 0xB861, 0x60E3, 0xC1C6, 0x93AD,
    0x377B, 0x6EF6, 0xDDEC, 0x45A0, 0x8B40, 0x06A1, 0x0D42, 0x1A84, 0x3508, 0x6A10, 0xAA51, 0x4483,
    0x8906, 0x022D, 0x045A, 0x08B4, 0x1168, 0x76B4, 0xED68, 0xCAF1, 0x85C3, 0x1BA7, 0x374E, 0x6E9C,
    0x3730, 0x6E60, 0xDCC0, 0xA9A1, 0x4363, 0x86C6, 0x1DAD, 0x3331, 0x6662, 0xCCC4, 0x89A9, 0x0373,
    0x06E6, 0x0DCC, 0x1021, 0x2042, 0x4084, 0x8108, 0x1231, 0x2462, 0x48C4};
constexpr std::array<std::uint8_t, kMaxXorPasswordLength> kPadArray{
    0xBB, 0xFF, 0xFF, 0xBA, 0xFF, 0xFF, 0xB9, 0x80, 0x00, 0xBE, 0x0F, 0x00, 0xBF, 0x0F, 0x00};
constexpr std::uint16_t kVerifierMask = 0xCE4B;
constexpr std::uint8_t kKeyBitMask = 0x40;
constexpr std::size_t kMd5TruncatedSize = 5;
constexpr int kMd5SaltRepeats = 16;
constexpr std::uint32_t kFortyBits = 40;
constexpr std::size_t kRc4KeySize = 16;

std::string cut(const std::string &password) {
    return password.substr(0, std::min(password.size(), kMaxXorPasswordLength));
}

std::uint8_t rotateRight1(std::uint8_t value) {
    return std::uint8_t((value >> 1) | (value << 7));
}

std::uint8_t xorRor(std::uint8_t a, std::uint8_t b) {
    return rotateRight1(std::uint8_t(a ^ b));
}

std::vector<std::uint8_t> utf16le(const std::u16string &text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(std::uint8_t(unit & 0xFF));
        bytes.push_back(std::uint8_t(unit >> 8));
    }
    return bytes;
}

void appendU32(std::vector<std::uint8_t> &bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(std::uint8_t(value >> shift));
}

std::array<std::uint8_t, MD5_DIGEST_SIZE> md5(ByteSpan bytes) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, bytes.size(), bytes.data());
    std::array<std::uint8_t, MD5_DIGEST_SIZE> digest;
    md5_digest(&context, digest.size(), digest.data());
    return digest;
}

std::array<std::uint8_t, SHA1_DIGEST_SIZE> sha1(ByteSpan bytes) {
    sha1_ctx context;
    sha1_init(&context);
    sha1_update(&context, bytes.size(), bytes.data());
    std::array<std::uint8_t, SHA1_DIGEST_SIZE> digest;
    sha1_digest(&context, digest.size(), digest.data());
    return digest;
}

} // namespace

std::uint16_t xorPasswordVerifier(const std::string &passwordBytes) {
    const std::string password = cut(passwordBytes);
    std::string array(1, char(password.size()));
    array += password;
    std::uint16_t verifier = 0;
    for (auto byte = array.rbegin(); byte != array.rend(); ++byte) {
        const std::uint16_t high = (verifier & 0x4000) ? 1 : 0;
        const std::uint16_t shifted = std::uint16_t((verifier * 2) & 0x7FFF);
        verifier = std::uint16_t((high | shifted) ^ std::uint8_t(*byte));
    }
    return verifier ^ kVerifierMask;
}

std::uint16_t xorKey(const std::string &passwordBytes) {
    const std::string password = cut(passwordBytes);
    if (password.empty())
        return 0;
    std::uint16_t key = kInitialCode[password.size() - 1];
    std::size_t element = kEncryptionMatrix.size() - 1;
    for (auto c = password.rbegin(); c != password.rend(); ++c) {
        std::uint8_t bits = std::uint8_t(*c);
        for (int i = 0; i < 7; ++i, --element) {
            if (bits & kKeyBitMask)
                key ^= kEncryptionMatrix[element];
            bits = std::uint8_t(bits << 1);
        }
    }
    return key;
}

XorArray xorArray(const std::string &passwordBytes) {
    const std::string password = cut(passwordBytes);
    XorArray array{};
    if (password.empty())
        return array;
    const std::uint16_t key = xorKey(password);
    const std::uint8_t high = std::uint8_t(key >> 8);
    const std::uint8_t low = std::uint8_t(key & 0xFF);
    auto byteAt = [&](std::size_t i) {
        return std::uint8_t(password[i]);
    };
    std::size_t index = password.size();
    if (index % 2 == 1) {
        array[index] = xorRor(kPadArray[0], high);
        --index;
        array[index] = xorRor(byteAt(password.size() - 1), low);
    }
    while (index > 0) {
        --index;
        array[index] = xorRor(byteAt(index), high);
        --index;
        array[index] = xorRor(byteAt(index), low);
    }
    // Signed: an odd count of pad bytes steps below zero.
    int arrayIndex = int(kXorArraySize) - 1;
    int padIndex = int(kMaxXorPasswordLength) - int(password.size());
    while (padIndex > 0) {
        array[arrayIndex--] = xorRor(kPadArray[padIndex--], high);
        array[arrayIndex--] = xorRor(kPadArray[padIndex--], low);
    }
    return array;
}

std::vector<std::string> xorPasswordForms(const std::u16string &password, std::uint16_t codePage) {
    std::string lowBytes;
    for (char16_t unit : password)
        lowBytes += char((unit & 0xFF) != 0 ? (unit & 0xFF) : (unit >> 8));
    std::vector<std::string> forms{cut(lowBytes)};
    std::string encoded;
    if (encodeCodePage(codePage, password, encoded) && cut(encoded) != forms.front())
        forms.push_back(cut(encoded));
    return forms;
}

Md5Rc4Keys::Md5Rc4Keys(const std::u16string &password, ByteSpan salt) {
    const auto h0 = md5(utf16le(password));
    std::vector<std::uint8_t> buffer;
    for (int i = 0; i < kMd5SaltRepeats; ++i) {
        buffer.insert(buffer.end(), h0.begin(), h0.begin() + kMd5TruncatedSize);
        buffer.insert(buffer.end(), salt.begin(), salt.end());
    }
    const auto h1 = md5(buffer);
    std::copy_n(h1.begin(), kMd5TruncatedSize, truncatedHash.begin());
}

Rc4Key Md5Rc4Keys::blockKey(std::uint32_t block) const {
    std::vector<std::uint8_t> input(truncatedHash.begin(), truncatedHash.end());
    appendU32(input, block);
    const auto digest = md5(input);
    return Rc4Key(digest.begin(), digest.end());
}

CryptoApiRc4Keys::CryptoApiRc4Keys(const std::u16string &password, ByteSpan salt,
                                   std::uint32_t keyBits)
    : keyBits(keyBits == 0 ? kFortyBits : keyBits) {
    std::vector<std::uint8_t> input(salt.begin(), salt.end());
    const std::vector<std::uint8_t> text = utf16le(password);
    input.insert(input.end(), text.begin(), text.end());
    const auto digest = sha1(input);
    baseHash.assign(digest.begin(), digest.end());
}

Rc4Key CryptoApiRc4Keys::blockKey(std::uint32_t block) const {
    std::vector<std::uint8_t> input = baseHash;
    appendU32(input, block);
    const auto digest = sha1(input);
    const std::size_t bytes = std::min<std::size_t>(keyBits / 8, digest.size());
    Rc4Key key(digest.begin(), digest.begin() + bytes);
    if (keyBits == kFortyBits)
        key.resize(kRc4KeySize, 0);
    return key;
}

bool verifierMatches(const Rc4Key &key, ByteSpan encryptedVerifier,
                     ByteSpan encryptedVerifierHash) {
    if (key.empty() || key.size() > ARCFOUR_MAX_KEY_SIZE)
        return false;
    arcfour_ctx context;
    arcfour_set_key(&context, key.size(), key.data());
    std::vector<std::uint8_t> verifier(encryptedVerifier.size());
    arcfour_crypt(&context, verifier.size(), verifier.data(), encryptedVerifier.data());
    std::vector<std::uint8_t> hash(encryptedVerifierHash.size());
    arcfour_crypt(&context, hash.size(), hash.data(), encryptedVerifierHash.data());
    if (hash.size() == MD5_DIGEST_SIZE) {
        const auto expected = md5(verifier);
        return std::equal(expected.begin(), expected.end(), hash.begin());
    }
    if (hash.size() == SHA1_DIGEST_SIZE) {
        const auto expected = sha1(verifier);
        return std::equal(expected.begin(), expected.end(), hash.begin());
    }
    return false;
}

} // namespace xls::crypto
