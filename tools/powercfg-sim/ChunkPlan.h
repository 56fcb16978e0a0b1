// How the output is cut into separate writes (the chunk and split_mbcs knobs).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace powercfgsim {

using LeadBytePredicate = bool (*)(unsigned char);

// Sizes of the writes for these bytes, in order. chunk 0 means one write for the rest.
// With splitMbcs the first write ends right after the lead byte of the first double-byte
// character, so a reader sees that character torn across two reads.
std::vector<std::size_t> ChunkSizes(std::string_view bytes, std::size_t chunk, bool splitMbcs,
                                    LeadBytePredicate isLeadByte);

} // namespace powercfgsim
