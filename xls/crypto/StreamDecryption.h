// Decryption of a workbook stream whose globals hold a FILEPASS record
// ([MS-XLS] 2.2.10, 2.4.117; [MS-OFFCRYPTO] 2.3.5-2.3.7). Everything is
// decrypted in memory; nothing of it reaches the disk.
#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xls::crypto {

// Excel encrypts a workbook that is only write-protected with this password
// and opens it without asking.
inline constexpr const char *kDefaultPassword = "VelvetSweatshop";

// The offset of the FILEPASS record in the first substream (the globals, or
// the only worksheet of a BIFF2-4 file), if it holds one.
std::optional<std::size_t> findFilePass(ByteSpan stream);

// Decrypts `stream` in place with the FILEPASS record at `filePassOffset`:
// the default password first, then `password` (UTF-8) when it is not empty.
// `codePage` is the workbook's, for the single-byte forms of an XOR password.
// False with `error` set when no password fits (WrongPassword, or
// EncryptedWorkbook when only the default was tried) or the encryption is of
// a kind this reader does not know (UnsupportedEncryption); the stream is
// then unchanged.
bool decryptStream(std::vector<std::uint8_t> &stream, std::size_t filePassOffset,
                   const std::string &password, std::uint16_t codePage, ReadError &error);

} // namespace xls::crypto
