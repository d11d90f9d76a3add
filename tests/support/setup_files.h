#pragma once
// Files for the model and session tests: the setup file of the start-up
// defaults byte for byte, edits of it, and temporary folders to write into.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace setup_files {

inline const char* const kDefaultSetupFile =
    "\"#pub_Display\"\r\n"
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#\r\n"
    "\"#pub_Mode\"\r\n"
    "\"OFFSET\"\r\n"
    "\"#pub_DatumOption\"\r\n"
    "\"Standard\",\"Standard\"\r\n"
    "\"#pub_SpecialOption\"\r\n"
    "\"\"\r\n"
    "\"#pub_Datum(0)\"\r\n"
    "0,0,\"WGS84 - World Geodetic system 1984\",\"Global\"\r\n"
    "\"WGS84\",6378137,6356752.31424518,.00335281066474748,.00669437999014132\r\n"
    "\"\",0,0,0,0,0,0,0\r\n"
    "\"#pub_GridSystem(0)\"\r\n"
    "\"UTM - Northern Latitudes\",31\r\n"
    "\"#pub_Datum(1)\"\r\n"
    "0,0,\"WGS84 - World Geodetic system 1984\",\"Global\"\r\n"
    "\"WGS84\",6378137,6356752.31424518,.00335281066474748,.00669437999014132\r\n"
    "\"\",0,0,0,0,0,0,0\r\n"
    "\"#pub_GridSystem(1)\"\r\n"
    "\"UTM - Northern Latitudes\",31\r\n"
    "\"#pub_Name(0)\"\r\n"
    "\" n/a \",1.04719755119667,.0523598775598333,0\r\n"
    "\"#pub_Name(1)\"\r\n"
    "\" n/a \",1.04719755119667,.0523598775598333,0\r\n"
    "\"#pub_Name(2)\"\r\n"
    "\"n/a\"\r\n"
    "\"#pub_GeogFormat\"\r\n"
    "\"Degrees\",0,3,\" deg\",57.2957795130785,\"n/a\"\r\n"
    "\"#pub_HgtFormat\"\r\n"
    "\"Meter\",0,1,\" m\",1,\"0.0\"\r\n"
    "\"#pub_CartFormat\"\r\n"
    "\"Meter\",0,2,\" m\",1,\"0.00\"\r\n"
    "\"#pub_GridFormat\"\r\n"
    "\"Meter\",0,1,\" m\",1,\"0.0\"\r\n"
    "\"#pub_DistFormat\"\r\n"
    "\"Meter\",0,2,\" m\",1,\"0.00\"\r\n"
    "\"#pub_BrgFormat\"\r\n"
    "\"Degrees\",2,1,\" deg\",57.2957795130785,\"0.0\"\r\n"
    "\"#pub_GCFormat\"\r\n"
    "\"Nautical Miles\",2,2,\" nmile\",.000539956803455724,\"0.00\"\r\n"
    "\"#pub_SouthLat_Default\"\r\n"
    "#FALSE#\r\n"
    "\"#pub_WestLong_Default\"\r\n"
    "#FALSE#\r\n";

// The groups of a setup file: each key line with its value lines.
inline std::vector<std::string> Groups(const std::string& file) {
    std::vector<std::string> groups;
    for (std::size_t pos = 0; pos < file.size();) {
        std::size_t next = file.find("\"#pub_", pos + 1);
        if (next == std::string::npos) next = file.size();
        groups.push_back(file.substr(pos, next - pos));
        pos = next;
    }
    return groups;
}

// The file (by default the defaults' file) with one group's value lines replaced.
inline std::string WithGroup(const std::string& key, const std::string& new_lines,
                             std::string file = kDefaultSetupFile) {
    const std::string key_line = "\"" + key + "\"\r\n";
    const std::size_t start = file.find(key_line);
    std::size_t end = file.find("\"#pub_", start + key_line.size());
    if (end == std::string::npos) end = file.size();
    return file.replace(start, end - start, key_line + new_lines);
}

using scratch::ReadBytes;

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

using TempFolder = scratch::Folder;

}  // namespace setup_files
