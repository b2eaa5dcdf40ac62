// Feeds the fuzz target each file of the folders named on the command line
// once, in name order, without libFuzzer. Each input's name is written before
// it is fed, so a broken property (which aborts) follows the name of its input.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[])
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i)
        inputs.insert(inputs.end(), std::filesystem::directory_iterator(argv[i]), {});
    std::sort(inputs.begin(), inputs.end());
    for (const std::filesystem::path& input : inputs) {
        std::fprintf(stderr, "%s\n", input.filename().c_str());
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file)
            return 1;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs, every property held\n", inputs.size());
    return inputs.empty();
}
