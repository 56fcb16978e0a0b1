// Raw access to the resources linked into the running test executable.
#pragma once

#include <string>
#include <vector>

// The bytes of resource id of the given type; empty when there is none.
std::vector<unsigned char> ResourceBytes(const wchar_t* type, int id);

// Every numeric identifier of the given type, in the order the module lists them.
std::vector<int> ResourceIds(const wchar_t* type);
