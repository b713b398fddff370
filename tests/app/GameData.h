// The game's pictures and sounds for the application tests: drawn once per
// test run by the Data/ generator, and copied into each test's folder.
#pragma once

#include <filesystem>

// Copies every file of the game's Data\ into `folder`/Data.
void CopyGameData(const std::filesystem::path& folder);
