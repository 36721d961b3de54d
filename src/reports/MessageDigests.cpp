#include "reports/MessageDigests.h"

#include <algorithm>
#include <cstring>

#include "common/Asercja.h"

namespace {

const char* const KomJuzZakonczony = "Message digest already complete.";
const char* const KomNieZakonczony = "Message digest not complete.";
const char* const KomRozmiarBloku = "TMessageDigest.CreateInternal: BlockSize <= 0.";
const char* const KomRozmiarSkrotu = "TMessageDigest.CreateInternal: DigestSize <= 0.";

constexpr std::uint32_t Obrot(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

// Stałe i przesunięcia czterech rund MD5 (RFC 1321, p. 3.4).
constexpr std::array<std::uint32_t, 64> T = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};
constexpr std::array<int, 16> S = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

}  // namespace

void TMessageDigest::CreateInternal(int BlockSize, int DigestSize)
{
    Asercja(BlockSize > 0, KomRozmiarBloku);
    Asercja(DigestSize > 0, KomRozmiarSkrotu);
    blockSize_ = BlockSize;
    digestSize_ = DigestSize;
    buffer_.assign(static_cast<size_t>(BlockSize), 0);
    bufferFill_ = 0;
    blocks_ = 0;
    completed_ = false;
    digest_.clear();
}

void TMessageDigest::AppendBytes(const std::uint8_t* dane, size_t dlugosc)
{
    const size_t blok = buffer_.size();
    while (dlugosc > 0) {
        size_t ile = std::min(dlugosc, blok - bufferFill_);
        std::memcpy(buffer_.data() + bufferFill_, dane, ile);
        bufferFill_ += ile;
        dane += ile;
        dlugosc -= ile;
        if (bufferFill_ == blok) {
            ProcessBlock(buffer_.data());
            ++blocks_;
            bufferFill_ = 0;
        }
    }
}

void TMessageDigest::Update(const std::uint8_t* dane, size_t dlugosc)
{
    Asercja(!completed_, KomJuzZakonczony);
    AppendBytes(dane, dlugosc);
}

void TMessageDigest::Update(std::string_view bajty)
{
    Update(reinterpret_cast<const std::uint8_t*>(bajty.data()), bajty.size());
}

void TMessageDigest::Finish()
{
    Asercja(!completed_, KomJuzZakonczony);
    CompleteMessage();
    digest_.assign(static_cast<size_t>(digestSize_), 0);
    WriteDigest(digest_.data());
    completed_ = true;
}

const std::vector<std::uint8_t>& TMessageDigest::Digest() const
{
    Asercja(completed_, KomNieZakonczony);
    return digest_;
}

std::string TMessageDigest::HexDigest() const
{
    static const char cyfry[] = "0123456789abcdef";
    std::string wynik;
    for (std::uint8_t b : Digest()) {
        wynik += cyfry[b >> 4];
        wynik += cyfry[b & 15];
    }
    return wynik;
}

TMD4Family::TMD4Family(int BlockSize, int DigestSize, std::vector<std::uint32_t> WartosciPoczatkowe, bool BigEndian)
    : Chaining(WartosciPoczatkowe), Initial(std::move(WartosciPoczatkowe)), BigEndian(BigEndian)
{
    CreateInternal(BlockSize, DigestSize);
}

std::uint32_t TMD4Family::Slowo(const std::uint8_t* p) const
{
    if (BigEndian)
        return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
    return std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}

void TMD4Family::CompleteMessage()
{
    // Długość w bitach liczona przed dopisaniem uzupełnienia.
    const std::uint64_t bity = (ProcessedBlocks() * static_cast<std::uint64_t>(BlockSize()) + BufferFill()) * 8;
    const std::uint8_t znacznik = 0x80;
    AppendBytes(&znacznik, 1);
    const std::uint8_t zero = 0;
    const size_t miejsceNaDlugosc = static_cast<size_t>(BlockSize()) - 8;
    while (BufferFill() != miejsceNaDlugosc) AppendBytes(&zero, 1);
    std::uint8_t dlugosc[8];
    for (int i = 0; i < 8; ++i) {
        int przesuniecie = BigEndian ? 8 * (7 - i) : 8 * i;
        dlugosc[i] = static_cast<std::uint8_t>(bity >> przesuniecie);
    }
    AppendBytes(dlugosc, 8);
}

void TMD4Family::WriteDigest(std::uint8_t* cel) const
{
    for (int i = 0; i < DigestSize(); ++i) {
        std::uint32_t slowo = Chaining[static_cast<size_t>(i / 4)];
        int przesuniecie = BigEndian ? 8 * (3 - i % 4) : 8 * (i % 4);
        cel[i] = static_cast<std::uint8_t>(slowo >> przesuniecie);
    }
}

TMD5::TMD5() : TMD4Family(64, 16, {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, false) {}

void TMD5::ProcessBlock(const std::uint8_t* blok)
{
    std::uint32_t X[16];
    for (int i = 0; i < 16; ++i) X[i] = Slowo(blok + 4 * i);
    std::uint32_t a = Chaining[0], b = Chaining[1], c = Chaining[2], d = Chaining[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int k;
        switch (i / 16) {
        case 0: f = (b & c) | (~b & d); k = i; break;
        case 1: f = (b & d) | (c & ~d); k = (5 * i + 1) % 16; break;
        case 2: f = b ^ c ^ d; k = (3 * i + 5) % 16; break;
        default: f = c ^ (b | ~d); k = (7 * i) % 16; break;
        }
        std::uint32_t nowe = b + Obrot(a + f + X[k] + T[i], S[(i / 16) * 4 + i % 4]);
        a = d;
        d = c;
        c = b;
        b = nowe;
    }
    Chaining[0] += a;
    Chaining[1] += b;
    Chaining[2] += c;
    Chaining[3] += d;
}

std::string MD5Hex(std::string_view bajty)
{
    TMD5 md5;
    md5.Update(bajty);
    md5.Finish();
    return md5.HexDigest();
}
