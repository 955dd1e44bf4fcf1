// Keys derived from a password for the encryption of Excel 97-2003 and older
// workbooks ([MS-OFFCRYPTO] 2.3.5, 2.3.6, 2.3.7): XOR obfuscation (method 1),
// RC4 with a 40-bit MD5 key, and RC4 CryptoAPI with SHA-1. The hashes and the
// cipher are nettle's.
#pragma once

#include "xls/common/ByteCursor.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace xls::crypto {

inline constexpr std::size_t kSaltSize = 16;
inline constexpr std::size_t kVerifierSize = 16;
inline constexpr std::size_t kXorArraySize = 16;
// The longest password XOR obfuscation uses.
inline constexpr std::size_t kMaxXorPasswordLength = 15;

using XorArray = std::array<std::uint8_t, kXorArraySize>;

// XOR obfuscation ([MS-OFFCRYPTO] 2.3.7.1, 2.3.7.2) of a password already
// turned into single bytes (at most 15 are used).
std::uint16_t xorPasswordVerifier(const std::string &passwordBytes);
std::uint16_t xorKey(const std::string &passwordBytes);
XorArray xorArray(const std::string &passwordBytes);

// The single-byte forms of a UTF-16 password for XOR obfuscation
// ([MS-OFFCRYPTO] 2.3.7.4): each unit's low byte, or its high byte when the
// low one is 0; and the password in the workbook's code page. Both are tried.
std::vector<std::string> xorPasswordForms(const std::u16string &password, std::uint16_t codePage);

// The RC4 key of a block of 1,024 bytes.
using Rc4Key = std::vector<std::uint8_t>;

// RC4 with a 40-bit MD5-derived key ([MS-OFFCRYPTO] 2.3.6).
class Md5Rc4Keys {
public:
    Md5Rc4Keys(const std::u16string &password, ByteSpan salt);
    Rc4Key blockKey(std::uint32_t block) const;

private:
    std::array<std::uint8_t, 5> truncatedHash{};
};

// RC4 CryptoAPI ([MS-OFFCRYPTO] 2.3.5.2): SHA-1 of salt and password; a
// 40-bit key is padded with zeros to 128 bits.
class CryptoApiRc4Keys {
public:
    CryptoApiRc4Keys(const std::u16string &password, ByteSpan salt, std::uint32_t keyBits);
    Rc4Key blockKey(std::uint32_t block) const;

private:
    std::vector<std::uint8_t> baseHash;
    std::uint32_t keyBits;
};

// Decrypts the verifier and its hash with the key of block 0 in one RC4
// stream and compares the verifier's hash (MD5 for 16 bytes of hash, SHA-1
// for 20) with the decrypted one.
bool verifierMatches(const Rc4Key &key, ByteSpan encryptedVerifier, ByteSpan encryptedVerifierHash);

} // namespace xls::crypto
