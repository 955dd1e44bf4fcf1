#include "xls/crypto/StreamDecryption.h"

#include "xls/biff/BiffConstants.h"
#include "xls/biff/RecordFrame.h"
#include "xls/common/CodePage.h"
#include "xls/crypto/PasswordKeys.h"

#include <nettle/arcfour.h>

#include <algorithm>
#include <functional>

namespace xls::crypto {
namespace {

using ZAreda::hasRecordHeader;
using ZAreda::kRecordHeaderSize;
using ZAreda::recordCodeAt;

// Records whose payload stays plain in an encrypted stream ([MS-XLS] 2.2.10).
namespace Code {
constexpr std::uint16_t Bof2 = 0x0009;
constexpr std::uint16_t Bof3 = 0x0209;
constexpr std::uint16_t Bof4 = 0x0409;
constexpr std::uint16_t Bof = 0x0809;
constexpr std::uint16_t Eof = 0x000A;
constexpr std::uint16_t FilePass = 0x002F;
constexpr std::uint16_t BoundSheet = 0x0085;
constexpr std::uint16_t InterfaceHdr = 0x00E1;
constexpr std::uint16_t RrdHead = 0x0138;
constexpr std::uint16_t UsrExcl = 0x0194;
constexpr std::uint16_t FileLock = 0x0195;
constexpr std::uint16_t RrdInfo = 0x0196;
} // namespace Code
// BOUNDSHEET's stream position (its first four bytes) stays plain as well.
constexpr std::size_t kBoundSheetPlainBytes = 4;

// FILEPASS ([MS-XLS] 2.4.117): wEncryptionType, then for RC4 the major version.
constexpr std::uint16_t kXorObfuscation = 0x0000;
constexpr std::uint16_t kRc4 = 0x0001;
constexpr std::uint16_t kRc4Md5Major = 1;
constexpr std::uint16_t kCryptoApiMinMajor = 2;
constexpr std::uint16_t kCryptoApiMaxMajor = 4;
// The BIFF2-5 FILEPASS holds the XOR key and verifier alone.
constexpr std::size_t kBiff5FilePassSize = 4;
constexpr std::size_t kRc4BlockSize = 1024;
constexpr std::size_t kSha1HashSize = 20;
// EncryptionHeader ([MS-OFFCRYPTO] 2.3.2): KeySize follows Flags, SizeExtra,
// AlgID and AlgIDHash; a header is never larger than a record can be.
constexpr std::size_t kKeySizeOffset = 16;
constexpr std::uint32_t kMaxHeaderSize = 8224;
constexpr int kXorRotation = 5;
// LoadOptions carries the password in UTF-8.
constexpr std::uint16_t kCodePageUtf8 = 65001;

bool isBof(std::uint16_t code) {
    return code == Code::Bof2 || code == Code::Bof3 || code == Code::Bof4 || code == Code::Bof;
}

bool staysPlain(std::uint16_t code) {
    switch (code) {
    case Code::Bof2:
    case Code::Bof3:
    case Code::Bof4:
    case Code::Bof:
    case Code::FilePass:
    case Code::InterfaceHdr:
    case Code::RrdHead:
    case Code::UsrExcl:
    case Code::FileLock:
    case Code::RrdInfo:
        return true;
    default:
        return false;
    }
}

// Calls decrypt(dataOffset, begin, end) for each record after the FILEPASS
// with the stream range of its payload to decrypt. Every record consumes at
// least its header, so the walk ends.
template <typename Decrypt>
void forEachEncryptedPayload(ByteSpan stream, std::size_t filePassOffset, Decrypt &&decrypt) {
    std::size_t pos = filePassOffset;
    bool first = true;
    while (hasRecordHeader(stream, pos)) {
        const std::uint16_t code = recordCodeAt(stream, pos);
        const std::size_t length = loadU16(stream.data() + pos + ZAreda::kRecordLengthOffset);
        const std::size_t data = pos + kRecordHeaderSize;
        const std::size_t end = std::min(stream.size(), data + length);
        if (!first && !staysPlain(code)) {
            const std::size_t begin =
                code == Code::BoundSheet ? std::min(end, data + kBoundSheetPlainBytes) : data;
            decrypt(data, length, begin, end);
        }
        first = false;
        pos = end;
    }
}

void decryptXor(std::vector<std::uint8_t> &stream, std::size_t filePassOffset,
                const XorArray &array) {
    forEachEncryptedPayload(
        stream, filePassOffset,
        [&](std::size_t data, std::size_t length, std::size_t begin, std::size_t end) {
            std::size_t index = (data + length) % kXorArraySize;
            index = (index + (begin - data)) % kXorArraySize;
            for (std::size_t i = begin; i < end; ++i) {
                const std::uint8_t value = stream[i] ^ array[index];
                stream[i] = std::uint8_t((value >> kXorRotation) | (value << (8 - kXorRotation)));
                index = (index + 1) % kXorArraySize;
            }
        });
}

// RC4 with a key per block of 1,024 stream bytes; the keystream runs through
// plain bytes too, so a byte's keystream position is its offset in its block.
class BlockRc4 {
public:
    explicit BlockRc4(std::function<Rc4Key(std::uint32_t)> keyOfBlock)
        : keyOfBlock(std::move(keyOfBlock)) {}

    void apply(std::vector<std::uint8_t> &stream, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end;) {
            seek(i);
            const std::size_t run = std::min(end, (i / kRc4BlockSize + 1) * kRc4BlockSize) - i;
            arcfour_crypt(&context, run, stream.data() + i, stream.data() + i);
            position += run;
            i += run;
        }
    }

private:
    void seek(std::size_t offset) {
        const std::size_t block = offset / kRc4BlockSize;
        if (!keyed || block != currentBlock || offset < position) {
            const Rc4Key key = keyOfBlock(std::uint32_t(block));
            arcfour_set_key(&context, key.size(), key.data());
            keyed = true;
            currentBlock = block;
            position = block * kRc4BlockSize;
        }
        std::uint8_t scratch[kRc4BlockSize];
        const std::size_t skip = offset - position;
        arcfour_crypt(&context, skip, scratch, scratch);
        position = offset;
    }

    std::function<Rc4Key(std::uint32_t)> keyOfBlock;
    arcfour_ctx context{};
    bool keyed = false;
    std::size_t currentBlock = 0;
    std::size_t position = 0;
};

void decryptRc4(std::vector<std::uint8_t> &stream, std::size_t filePassOffset,
                std::function<Rc4Key(std::uint32_t)> keyOfBlock) {
    BlockRc4 cipher(std::move(keyOfBlock));
    forEachEncryptedPayload(stream, filePassOffset,
                            [&](std::size_t, std::size_t, std::size_t begin, std::size_t end) {
                                cipher.apply(stream, begin, end);
                            });
}

std::u16string utf16(const std::string &utf8) {
    std::u16string text;
    decodeCodePage(65001, bytesOf(utf8), text);
    return text;
}

class Decryptor {
public:
    Decryptor(std::vector<std::uint8_t> &stream, std::size_t filePassOffset, std::uint16_t codePage,
              ReadError &error)
        : stream(stream), offset(filePassOffset), codePage(codePage), error(error) {}

    // True when `password` opened the stream; false with `unsupported` set
    // when the FILEPASS record cannot be used at all.
    bool tryPassword(const std::u16string &password) {
        ByteCursor record(ByteSpan(stream).subspan(offset));
        record.skip(sizeof(std::uint16_t)); // the record type
        const std::uint16_t length = record.u16();
        ByteCursor fields(record.bytes(std::min<std::size_t>(length, record.remaining())));
        if (length == kBiff5FilePassSize)
            return tryXor(fields, password);
        const std::uint16_t type = fields.u16();
        if (type == kXorObfuscation)
            return tryXor(fields, password);
        if (type != kRc4)
            return unsupportedType("encryption type " + std::to_string(type));
        const std::uint16_t major = fields.u16();
        fields.u16(); // minor version
        if (major == kRc4Md5Major)
            return tryMd5Rc4(fields, password);
        if (major >= kCryptoApiMinMajor && major <= kCryptoApiMaxMajor)
            return tryCryptoApi(fields, password);
        return unsupportedType("RC4 header version " + std::to_string(major));
    }

    bool unsupported = false;

private:
    bool tryXor(ByteCursor &fields, const std::u16string &password) {
        const std::uint16_t key = fields.u16();
        const std::uint16_t verifier = fields.u16();
        if (!fields.ok())
            return damaged();
        for (const std::string &bytes : xorPasswordForms(password, codePage)) {
            if (bytes.empty() || xorKey(bytes) != key || xorPasswordVerifier(bytes) != verifier)
                continue;
            decryptXor(stream, offset, xorArray(bytes));
            return true;
        }
        return false;
    }

    bool tryMd5Rc4(ByteCursor &fields, const std::u16string &password) {
        const ByteSpan salt = fields.bytes(kSaltSize);
        const ByteSpan verifier = fields.bytes(kVerifierSize);
        const ByteSpan hash = fields.bytes(kVerifierSize);
        if (!fields.ok())
            return damaged();
        const Md5Rc4Keys keys(password, salt);
        if (!verifierMatches(keys.blockKey(0), verifier, hash))
            return false;
        decryptRc4(stream, offset, [keys](std::uint32_t block) { return keys.blockKey(block); });
        return true;
    }

    bool tryCryptoApi(ByteCursor &fields, const std::u16string &password) {
        fields.u32(); // flags
        const std::uint32_t headerSize = fields.u32();
        if (!fields.ok() || headerSize > kMaxHeaderSize || !fields.has(headerSize))
            return unsupportedType("an RC4 CryptoAPI header of " + std::to_string(headerSize) +
                                   " bytes");
        ByteCursor header(fields.bytes(headerSize));
        header.skip(kKeySizeOffset);
        const std::uint32_t keyBits = header.u32();
        const std::uint32_t saltSize = fields.u32();
        if (saltSize != kSaltSize)
            return unsupportedType("a salt of " + std::to_string(saltSize) + " bytes");
        const ByteSpan salt = fields.bytes(kSaltSize);
        const ByteSpan verifier = fields.bytes(kVerifierSize);
        const std::uint32_t hashSize = fields.u32();
        const ByteSpan hash = fields.bytes(kSha1HashSize);
        if (!fields.ok() || !header.ok() || hashSize != kSha1HashSize || keyBits % 8 != 0 ||
            keyBits > 8 * ARCFOUR_MAX_KEY_SIZE)
            return unsupportedType("an RC4 CryptoAPI header that cannot be used");
        const CryptoApiRc4Keys keys(password, salt, keyBits);
        if (!verifierMatches(keys.blockKey(0), verifier, hash))
            return false;
        decryptRc4(stream, offset, [keys](std::uint32_t block) { return keys.blockKey(block); });
        return true;
    }

    bool damaged() {
        unsupported = true;
        error = {ReadErrorCode::CorruptWorkbookStream,
                 "the FILEPASS record is shorter than its encryption type needs", offset};
        return false;
    }

    bool unsupportedType(const std::string &what) {
        unsupported = true;
        error = {ReadErrorCode::UnsupportedEncryption,
                 "the FILEPASS record names " + what + ", which this reader cannot decrypt",
                 offset};
        return false;
    }

    std::vector<std::uint8_t> &stream;
    std::size_t offset;
    std::uint16_t codePage;
    ReadError &error;
};

} // namespace

std::optional<std::size_t> findFilePass(ByteSpan stream) {
    stream = ZAreda::addressable(stream);
    std::size_t pos = 0;
    while (hasRecordHeader(stream, pos)) {
        const std::uint16_t code = recordCodeAt(stream, pos);
        if (code == Code::FilePass)
            return pos;
        if (code == Code::Eof || (pos > 0 && isBof(code)))
            return std::nullopt;
        pos += kRecordHeaderSize + loadU16(stream.data() + pos + ZAreda::kRecordLengthOffset);
    }
    return std::nullopt;
}

bool decryptStream(std::vector<std::uint8_t> &stream, std::size_t filePassOffset,
                   const std::string &password, std::uint16_t codePage, ReadError &error) {
    Decryptor decryptor(stream, filePassOffset, codePage, error);
    if (decryptor.tryPassword(utf16(kDefaultPassword)))
        return true;
    if (decryptor.unsupported)
        return false;
    if (password.empty()) {
        error = {ReadErrorCode::EncryptedWorkbook,
                 "the workbook is password-protected (FILEPASS record) and needs its password",
                 filePassOffset};
        return false;
    }
    std::u16string given = utf16(password);
    const bool opened = decryptor.tryPassword(given);
    std::fill(given.begin(), given.end(), u'\0'); // no copy of the password outlives the call
    if (opened)
        return true;
    if (!decryptor.unsupported)
        error = {ReadErrorCode::WrongPassword,
                 "the password does not open the workbook: its verifier does not match the "
                 "FILEPASS record",
                 filePassOffset};
    return false;
}

} // namespace xls::crypto
