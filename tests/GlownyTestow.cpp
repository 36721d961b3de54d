// Wspólny main programów testów: ustawienia regionalne jak w polskim systemie, raz
// dla całego programu. Test, który potrzebuje kropki, bierze tSeparator z Wspolne.h.
#include <gtest/gtest.h>

#include "common/Regionalne.h"

int main(int argc, char** argv)
{
    Regionalne().SeparatorDziesietny = ',';
    Regionalne().FormatDatyKrotkiej = "dd.MM.yyyy";
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
