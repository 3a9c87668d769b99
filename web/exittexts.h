#pragma once

#include <QString>

// The fixed texts of the exit screen.
namespace palmora {

inline constexpr int kExitAppealCount = 4;

// Appeal 0 to 3 for supporting the maker's forum, with the site's domain filled in.
QString exit_appeal(int index);
// Which appeal a uniform draw in [0, 1) picks; each is equally likely.
int exit_appeal_index(double uniform);
// The paragraph of the software frame that presents the maker's other programs.
QString other_software_text();

} // namespace palmora
