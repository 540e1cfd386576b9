// Replacing a file whole, so that a failed write never destroys what was there.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// Writes `bytes` into a temporary file in `folder` and renames it over folder/name.
// Returns 0, or the system error number of the step that failed; on failure the
// old file is untouched and no temporary file is left behind.
int ファイル置換(const std::string& folder, const std::string& name, std::string_view bytes);

// A short explanation of a system error number for the user.
std::string 書込エラー説明(int err);

}  // namespace yukora
