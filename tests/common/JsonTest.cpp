// JSON wyjść programu: napis wraca z zapisu bajt w bajt (także bajty spoza UTF-8), a ścisły
// czytnik odrzuca każdą usterkę z pozycją znaku.
#include <gtest/gtest.h>

#include "common/Json.h"

namespace {

TEST(Json, NapisWracaBajtWBajtTakzeSpozaUtf8)
{
    std::string wszystkie;
    for (int b = 0; b < 256; ++b) wszystkie += static_cast<char>(b);
    for (const std::string& napis : {wszystkie, std::string("ż\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80😀\xE2\x82")}) {
        std::string json;
        DopiszJsonNapis(json, napis);
        tJson w;
        std::string blad;
        ASSERT_TRUE(CzytajJson(json, w, blad)) << blad;
        EXPECT_EQ(w.Napis, napis);
    }
    std::string json;
    DopiszJsonNapis(json, "a\xFF\xC5");  // bajt po bajcie, małe cyfry szesnastkowe
    EXPECT_EQ(json, "\"a\\udcff\\udcc5\"");
}

TEST(Json, UsterkiZPozycja)
{
    const std::pair<std::string, std::string> przypadki[] = {
        {"{\"plik\":\"abc", "znak 13: niedokończony napis"},
        {"{\"a\":1,\"a\":2}", "znak 8: powtórzony klucz"},
        {std::string(100, '[') + std::string(100, ']'), "znak 65: za głębokie zagnieżdżenie"},
        {"{\"plik\":\"\\ud800\"}", "znak 16: samotny surogat"},
        {"{\"plik\":\"\\udc7f\"}", "znak 16: samotny surogat"},  // \udc80–\udcff to bajty, reszta nie
        {"{\"plik\":\"\xC0\x80\"}", "znak 10: błędna sekwencja UTF-8"},
        {"{\"plik\":\"a\tb\"}", "znak 11: znak sterujący w napisie"},
        {"{} {}", "znak 4: nadmiarowy tekst po wartości"},
        {"{\"plik\":\"\\x\"}", "znak 12: niepoprawna sekwencja ucieczki"},
        {"[1e999]", "znak 2: liczba poza zakresem"},
    };
    for (const auto& [tekst, opis] : przypadki) {
        tJson w;
        std::string blad;
        EXPECT_FALSE(CzytajJson(tekst, w, blad)) << tekst;
        EXPECT_EQ(blad, opis) << tekst;
    }
}

}  // namespace
