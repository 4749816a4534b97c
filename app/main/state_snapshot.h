// The runner's JSON state snapshot: one object whose field names stay stable once added.
#pragma once
#include <cstdint>
#include <string>

std::string StateSnapshotJson(uint32_t frame);
