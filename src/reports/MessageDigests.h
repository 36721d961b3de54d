#pragma once
// Skróty wiadomości: wspólna obsługa bloków (TMessageDigest), uzupełnianie rodziny MD4
// (TMD4Family) i MD5 według RFC 1321 (TMD5). Kod kontrolny raportu to MD5 bajtów
// Windows-1250 tekstu kontrolnego. Błędy użycia (dane po zakończeniu, odczyt przed
// zakończeniem, zerowe rozmiary) są błędami programu i zgłaszają BladAsercji.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TMessageDigest {
public:
    virtual ~TMessageDigest() = default;

    int BlockSize() const { return blockSize_; }
    int DigestSize() const { return digestSize_; }
    bool Completed() const { return completed_; }

    void Update(const std::uint8_t* dane, size_t dlugosc);
    void Update(std::string_view bajty);
    // Uzupełnia wiadomość, przetwarza ostatnie bloki i utrwala skrót.
    void Finish();
    const std::vector<std::uint8_t>& Digest() const;
    // Skrót jako cyfry szesnastkowe małymi literami.
    std::string HexDigest() const;

protected:
    TMessageDigest() = default;
    void CreateInternal(int BlockSize, int DigestSize);

    virtual void ProcessBlock(const std::uint8_t* blok) = 0;
    // Dopisuje uzupełnienie i przetwarza resztę bufora; potem zapisuje skrót.
    virtual void CompleteMessage() = 0;
    virtual void WriteDigest(std::uint8_t* cel) const = 0;

    // Dopisuje bajty bez sprawdzania stanu (dla uzupełnienia w CompleteMessage).
    void AppendBytes(const std::uint8_t* dane, size_t dlugosc);
    size_t BufferFill() const { return bufferFill_; }
    std::uint64_t ProcessedBlocks() const { return blocks_; }

private:
    int blockSize_ = 0;
    int digestSize_ = 0;
    std::vector<std::uint8_t> buffer_;
    size_t bufferFill_ = 0;
    std::uint64_t blocks_ = 0;
    bool completed_ = false;
    std::vector<std::uint8_t> digest_;
};

// Rodzina MD4: bajt 0x80, zera i długość wiadomości w bitach jako liczba 64-bitowa;
// słowa w kolejności little-endian, chyba że pochodna przełączy BigEndian.
class TMD4Family : public TMessageDigest {
protected:
    TMD4Family(int BlockSize, int DigestSize, std::vector<std::uint32_t> WartosciPoczatkowe, bool BigEndian);

    void CompleteMessage() override;
    void WriteDigest(std::uint8_t* cel) const override;
    std::uint32_t Slowo(const std::uint8_t* p) const;

    std::vector<std::uint32_t> Chaining;
    const std::vector<std::uint32_t> Initial;
    const bool BigEndian;
};

class TMD5 : public TMD4Family {
public:
    TMD5();

protected:
    void ProcessBlock(const std::uint8_t* blok) override;
};

// MD5 bajtów podanego napisu jako 32 cyfry szesnastkowe.
std::string MD5Hex(std::string_view bajty);
