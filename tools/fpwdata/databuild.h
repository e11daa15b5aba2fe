// Building the program's reference files from the sources under data/, and printing a built
// file back as its source text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::datatool {

// The source files, relative to the data folder.
inline constexpr std::string_view kWeaponSource = "weapons.tsv";
inline constexpr std::string_view kBVSource = "bvdata.tsv";
inline constexpr std::string_view kPilotSource = "pilots.tsv";
inline constexpr std::string_view kPlotLayoutSource = "plotlayout.txt";

// The text files copied unchanged beside the binary files: the eight name lists, the credits
// and the diagram layout that the record sheet draws its outline from.
std::vector<std::string> copiedTextFiles();

// Every file `build` writes, by name.
std::vector<std::string> builtFileNames();

// Reads and checks every source in `dataDir` first (each must also be written in the one
// spelling its dump reproduces), then writes every file into `outDir`, each replaced only once
// its new content is complete. Throws SourceError for a bad source and std::runtime_error for
// a missing source or a failed write; a bad source leaves `outDir` untouched.
void buildReferenceFiles(const std::string& dataDir, const std::string& outDir);

// The source text of a built binary file (weapon database, BV data, pilot or plot file),
// recognised by its header. Throws std::runtime_error for any other or a damaged file.
std::string dumpReferenceFile(std::string_view bytes);

// The plot text the layout generates for one diagram ("armor" or "internal"): what a dump of
// the plot file built from that layout prints.
std::string plotTextFromLayout(std::string_view layoutText, std::string_view fileName,
                               std::string_view diagram);

} // namespace fpw::datatool
