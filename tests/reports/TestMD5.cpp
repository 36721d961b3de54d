#include <gtest/gtest.h>

#include "common/Asercja.h"
#include "reports/MessageDigests.h"

namespace {

struct Wektor {
    const char* wiadomosc;
    const char* skrot;
};

// Siedem wektorów testowych z dodatku A.5 RFC 1321.
const Wektor WektoryRfc[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(MD5, WektoryRfc1321)
{
    for (const auto& w : WektoryRfc) {
        EXPECT_EQ(MD5Hex(w.wiadomosc), w.skrot) << '"' << w.wiadomosc << '"';
        // Ten sam wynik przy podawaniu po jednym bajcie (granice bloków w środku Update).
        TMD5 md5;
        for (const char* p = w.wiadomosc; *p; ++p) md5.Update(std::string_view(p, 1));
        md5.Finish();
        EXPECT_EQ(md5.HexDigest(), w.skrot) << '"' << w.wiadomosc << '"';
    }
}

TEST(MD5, DlugosciNaGranicyUzupelnienia)
{
    // 55 bajtów mieści długość w tym samym bloku, 56 już nie; 64 to pełny blok.
    // Wartości z niezależnej implementacji (python hashlib).
    EXPECT_EQ(MD5Hex(std::string(55, 'a')), "ef1772b6dff9a122358552954ad0df65");
    EXPECT_EQ(MD5Hex(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(MD5Hex(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
}

TEST(MD5, BledyUzycia)
{
    TMD5 md5;
    EXPECT_EQ(md5.BlockSize(), 64);
    EXPECT_EQ(md5.DigestSize(), 16);
    try {
        md5.HexDigest();
        FAIL();
    } catch (const BladAsercji& e) {
        EXPECT_STREQ(e.what(), "Message digest not complete.");
    }
    md5.Update("abc");
    md5.Finish();
    try {
        md5.Update("d");
        FAIL();
    } catch (const BladAsercji& e) {
        EXPECT_STREQ(e.what(), "Message digest already complete.");
    }
    EXPECT_THROW(md5.Finish(), BladAsercji);
    EXPECT_EQ(md5.HexDigest(), "900150983cd24fb0d6963f7d28e17f72");
}

class ZlySkrot : public TMessageDigest {
public:
    ZlySkrot(int blok, int skrot) { CreateInternal(blok, skrot); }

protected:
    void ProcessBlock(const std::uint8_t*) override {}
    void CompleteMessage() override {}
    void WriteDigest(std::uint8_t*) const override {}
};

TEST(MD5, ZeroweRozmiaryToBladProgramu)
{
    try {
        ZlySkrot(0, 16);
        FAIL();
    } catch (const BladAsercji& e) {
        EXPECT_STREQ(e.what(), "TMessageDigest.CreateInternal: BlockSize <= 0.");
    }
    try {
        ZlySkrot(64, 0);
        FAIL();
    } catch (const BladAsercji& e) {
        EXPECT_STREQ(e.what(), "TMessageDigest.CreateInternal: DigestSize <= 0.");
    }
}

}  // namespace
