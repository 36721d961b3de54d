#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "Pomoc.h"
#include "common/Cp1250.h"

namespace {

using testy::Wczytaj;

const std::filesystem::path Wzorce = std::filesystem::path(PONTIVA_DANE_TESTOWE) / "raporty";
const std::string Cli = std::string(PONTIVA_KATALOG_BUDOWY) + "/pontiva-cli";

struct tWynikCli {
    int Kod = -1;
    std::string Wyjscie;
};

// Uruchamia pontiva-cli z argumentami (już w cudzysłowach, gdzie trzeba).
tWynikCli Uruchom(const std::string& argumenty)
{
    tWynikCli w;
    FILE* p = popen((Cli + " " + argumenty + " 2>/dev/null").c_str(), "r");
    if (!p) return w;
    std::array<char, 4096> bufor;
    size_t n;
    while ((n = fread(bufor.data(), 1, bufor.size(), p)) > 0) w.Wyjscie.append(bufor.data(), n);
    const int stan = pclose(p);
    w.Kod = WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
    return w;
}

std::string W(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

class CliRaportowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = testy::KatalogTymczasowy(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    std::filesystem::path katalog;
    const std::filesystem::path most = Wzorce / "most.ptv";
};

TEST_F(CliRaportowTest, RaportTakiJakWzorzec)
{
    const auto plik = katalog / "r.rtf";
    const auto w = Uruchom("raport " + W(most) + " -o " + W(plik) + " --data 06.12.2026 --separator ,");
    EXPECT_EQ(w.Kod, 0);
    EXPECT_EQ(Wczytaj(plik), Wczytaj(Wzorce / "12345678@2.RTF"));

    // Odmowy polecenia: kod 1, bez pliku.
    testy::Zapisz(katalog / "bez_jni.ptv", "[OBIEKT]\r\nSCHEM=0\r\n");
    EXPECT_EQ(Uruchom("raport " + W(katalog / "bez_jni.ptv") + " -o " + W(katalog / "x.rtf")).Kod, 1);
    EXPECT_FALSE(std::filesystem::exists(katalog / "x.rtf"));
    EXPECT_EQ(Uruchom("raport " + W(most)).Kod, 2) << "bez -o";
    EXPECT_EQ(Uruchom("raport " + W(katalog / "brak.ptv") + " -o " + W(katalog / "x.rtf")).Kod, 2);
}

TEST_F(CliRaportowTest, SprawdzPrzyjmujeWzorzecIOdrzucaZmianeNosnosci)
{
    EXPECT_EQ(Uruchom("sprawdz " + W(Wzorce / "12345678@2.RTF")).Kod, 0);

    std::string raport = Wczytaj(Wzorce / "12345678@2.RTF");
    const std::string nosnosc = "\\b\\cf1 42,00\\par }";
    const size_t gdzie = raport.find(nosnosc);
    ASSERT_NE(gdzie, std::string::npos);
    raport[gdzie + 8] = '1';  // 42,00 -> 42,10
    testy::Zapisz(katalog / "zmieniony.rtf", raport);
    const auto w = Uruchom("sprawdz " + W(katalog / "zmieniony.rtf"));
    EXPECT_EQ(w.Kod, 1);
    EXPECT_NE(w.Wyjscie.find("NIEZGODNY"), std::string::npos);

    testy::Zapisz(katalog / "tekst.rtf", "zwykły tekst");
    EXPECT_EQ(Uruchom("sprawdz " + W(katalog / "tekst.rtf")).Kod, 2);
    EXPECT_EQ(Uruchom("sprawdz " + W(katalog / "brak.rtf")).Kod, 2);
}

TEST_F(CliRaportowTest, NormyNaWyjscieIDoPliku)
{
    const std::string wzorzec = Wczytaj(Wzorce / "PTU.TXT");
    const auto plik = katalog / "PTU.TXT";
    EXPECT_EQ(Uruchom("normy " + W(most) + " -o " + W(plik) + " --separator ,").Kod, 0);
    EXPECT_EQ(Wczytaj(plik), wzorzec);

    // Bez -o: ten sam tekst w UTF-8, wiersze zakończone LF.
    std::string utf8 = Cp1250DoUtf8(wzorzec);
    for (size_t p; (p = utf8.find("\r\n")) != std::string::npos;) utf8.replace(p, 2, "\n");
    const auto w = Uruchom("normy " + W(most) + " --separator ,");
    EXPECT_EQ(w.Kod, 0);
    EXPECT_EQ(w.Wyjscie, utf8);

    EXPECT_EQ(Uruchom("normy " + W(most) + " -o " + W(katalog / "brak" / "PTU.TXT")).Kod, 1);
}

}  // namespace
