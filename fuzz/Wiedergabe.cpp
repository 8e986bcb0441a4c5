// Runs a fuzz target's entry point without libFuzzer, once for every file
// named on the command line or found (sorted) in a folder named there:
//   <target>_wiedergabe <file or folder>...
// A fault aborts, as under the fuzzer; an empty set of inputs is a failure
// too, because it would prove nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool spieleAb(const std::filesystem::path& datei)
{
    std::ifstream ein(datei, std::ios::binary);
    if (!ein)
        return false;
    const std::vector<std::uint8_t> daten{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", datei.c_str());
    LLVMFuzzerTestOneInput(daten.data(), daten.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<fs::path> dateien;
        if (fs::is_directory(argv[i])) {
            for (const fs::directory_entry& e : fs::directory_iterator(argv[i]))
                if (e.is_regular_file())
                    dateien.push_back(e.path());
            std::sort(dateien.begin(), dateien.end());
        } else {
            dateien.emplace_back(argv[i]);
        }
        for (const fs::path& datei : dateien) {
            if (!spieleAb(datei)) {
                std::fprintf(stderr, "cannot read %s\n", datei.c_str());
                return 1;
            }
            ++anzahl;
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
