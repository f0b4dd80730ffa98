// Runs the fuzz check over files without the fuzzing engine, so that the seed
// inputs are checked on every build. With --transcript, each file's first
// line is a description and is skipped.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    bool transcript = false;
    int checked = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--transcript") {
            transcript = true;
            continue;
        }
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::cerr << "cannot read " << argument << '\n';
            return 1;
        }
        if (transcript) {
            std::string description;
            std::getline(file, description);
        }
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        ++checked;
    }
    std::cout << checked << " inputs checked\n";
    return checked > 0 ? 0 : 1;
}
