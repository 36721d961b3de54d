// Odtworzenie korpusu i znalezionych awarii celu fuzzingu bez libFuzzera: każdy plik
// z podanych katalogów (albo każdy podany plik) przechodzi przez cel raz.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> pliki;
    for (int i = 1; i < argc; ++i) {
        std::error_code blad;
        if (fs::is_directory(argv[i], blad)) {
            for (const auto& w : fs::directory_iterator(argv[i]))
                if (w.is_regular_file() && w.path().filename().string()[0] != '.') pliki.push_back(w.path());
        } else if (fs::is_regular_file(argv[i], blad)) {
            pliki.push_back(argv[i]);
        }
    }
    for (const auto& p : pliki) {
        std::ifstream f(p, std::ios::binary);
        const std::string bajty((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bajty.data()), bajty.size());
    }
    std::printf("Odtworzono %zu plików.\n", pliki.size());
    return pliki.empty() ? 1 : 0;
}
