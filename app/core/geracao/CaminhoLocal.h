#pragma once
// Where the Windows default names of the files live on this system.
#include <string>

// The default file: "c:\VudiROZAZEZAV\VudiROZAZEZAV.txt".
extern const char* const kArquivoPadrao;

// A Windows path under "c:\VudiROZAZEZAV\" (any letter case) in the folder that stands for it:
// "VudiROZAZEZAV" under `pastaUsuario` (empty: the user's home). Other paths are returned as given.
std::string CaminhoLocal(const std::string& path, const std::string& pastaUsuario = "");
