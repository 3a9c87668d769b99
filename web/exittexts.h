#pragma once

#include <QString>

// The fixed texts of the exit screen.
namespace palmora {

inline constexpr int kExitAppealCount = 4;

// Appeal 0 to 3 for supporting the maker's forum, with the site's domain filled in.
QString exitAppeal(int index);
// Which appeal a uniform draw in [0, 1) picks; each is equally likely.
int exitAppealIndex(double uniform);
// The paragraph of the software frame that presents the maker's other programs.
QString otherSoftwareText();

} // namespace palmora
