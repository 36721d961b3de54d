#include <gtest/gtest.h>

#include "common/Asercja.h"
#include "reports/MessageDigests.h"

namespace {

TEST(MD5, WektoryRfc1321IGraniceUzupelnienia)
{
    std::string wszystkieBajty;  // 0..255 trzy razy
    for (int i = 0; i < 3 * 256; ++i) wszystkieBajty += static_cast<char>(i);
    const std::pair<std::string, const char*> wektory[] = {
        // Siedem wektorów z dodatku A.5 RFC 1321.
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // 55 bajtów mieści długość w tym samym bloku, 56 już nie; 64 to pełny blok. Wartości
        // z niezależnej implementacji (python hashlib).
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
        {std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"},
        {wszystkieBajty, "e6899eaaf06fd702f3ed3f988eb19362"},
    };
    for (const auto& [wiadomosc, skrot] : wektory) {
        EXPECT_EQ(MD5Hex(wiadomosc), skrot) << '"' << wiadomosc << '"';
        TMD5 md5;  // po jednym bajcie: granice bloków w środku Update
        for (char z : wiadomosc) md5.Update(std::string_view(&z, 1));
        md5.Finish();
        EXPECT_EQ(md5.HexDigest(), skrot) << '"' << wiadomosc << '"';
    }
}

class ZlySkrot : public TMessageDigest {
public:
    ZlySkrot(int blok, int skrot) { CreateInternal(blok, skrot); }

protected:
    void ProcessBlock(const std::uint8_t*) override {}
    void CompleteMessage() override {}
    void WriteDigest(std::uint8_t*) const override {}
};

// Błędy użycia są błędami programu: odmowa, a skrót zostaje taki, jaki był.
TEST(MD5, BledyUzyciaSaOdrzucane)
{
    TMD5 md5;
    EXPECT_THROW(md5.HexDigest(), BladAsercji);
    md5.Update("abc");
    md5.Finish();
    EXPECT_THROW(md5.Update("d"), BladAsercji);
    EXPECT_THROW(md5.Finish(), BladAsercji);
    EXPECT_EQ(md5.HexDigest(), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_THROW(ZlySkrot(0, 16), BladAsercji);
    EXPECT_THROW(ZlySkrot(64, 0), BladAsercji);
    EXPECT_NO_THROW(ZlySkrot(1, 1));
}

}  // namespace
