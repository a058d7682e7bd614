// Writes the green and the red lamp as GIF files from their text sources.
//   lampgif <map> <palette> <green.gif> <red.gif>

#include "Gif89aEncoder.h"
#include "LampArt.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

std::ifstream openInput(const char* path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    return in;
}

void writeFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error(std::string("cannot write ") + path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::cerr << "usage: lampgif <map> <palette> <green.gif> <red.gif>\n";
        return 2;
    }
    try {
        std::ifstream map = openInput(argv[1]);
        std::ifstream palette = openInput(argv[2]);
        const LampArt art = LampArt::parse(map, palette);
        writeFile(argv[3], Gif89aEncoder::encode(art.image(Lamp::Green)));
        writeFile(argv[4], Gif89aEncoder::encode(art.image(Lamp::Red)));
    } catch (const std::exception& error) {
        std::cerr << "lampgif: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
