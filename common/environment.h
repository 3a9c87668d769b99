#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

namespace palmora {

class RandomSource;

// What the program takes from the machine it runs on. Tests build their own.
struct Environment {
    // Folder that holds Goal1.txt and Goal2.txt.
    QString goalFolder;
    // Today's date, as the update reminder sees it.
    std::function<QDate()> today;
    // The one random source of the program (test draws, exit screen appeal).
    std::shared_ptr<RandomSource> random;
    // Lock file of the one-copy rule.
    QString lockFilePath;
};

} // namespace palmora
