// Uruchomienie programu w testach na systemach POSIX: fork, przekierowania, exec.
#include <fcntl.h>
#include <cerrno>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "Wspolne.h"

namespace testy {

int Uruchom(const std::string& program, const std::vector<std::string>& argumenty, const std::string& katalog,
            const std::string& wyjscie, const std::string& bledy)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : argumenty) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t dziecko = fork();
    if (dziecko < 0) return -1;
    if (dziecko == 0) {
        const int we = open("/dev/null", O_RDONLY);
        const int wy = open(wyjscie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int bl = open(bledy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (we < 0 || wy < 0 || bl < 0 || dup2(we, 0) < 0 || dup2(wy, 1) < 0 || dup2(bl, 2) < 0) _exit(127);
        if (!katalog.empty() && chdir(katalog.c_str()) != 0) _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int stan = 0;
    while (waitpid(dziecko, &stan, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
}

void UstawZmienna(const char* nazwa, const char* wartosc)
{
    if (wartosc)
        setenv(nazwa, wartosc, 1);
    else
        unsetenv(nazwa);
}

}  // namespace testy
