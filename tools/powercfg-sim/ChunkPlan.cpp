#include "tools/powercfg-sim/ChunkPlan.h"

namespace powercfgsim {

std::vector<std::size_t> ChunkSizes(std::string_view bytes, std::size_t chunk, bool splitMbcs,
                                    LeadBytePredicate isLeadByte) {
    std::vector<std::size_t> sizes;
    std::size_t pos = 0;
    if (splitMbcs) {
        // Everything before the first lead byte is single-byte, so this lead starts a character.
        for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
            if (isLeadByte(static_cast<unsigned char>(bytes[i]))) {
                sizes.push_back(i + 1);
                pos = i + 1;
                break;
            }
        }
    }
    while (pos < bytes.size()) {
        std::size_t rest = bytes.size() - pos;
        std::size_t n = chunk == 0 || chunk > rest ? rest : chunk;
        sizes.push_back(n);
        pos += n;
    }
    return sizes;
}

} // namespace powercfgsim
