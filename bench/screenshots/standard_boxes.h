#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

class CLanguageModule;

// A box of Qt's own (message box, file chooser) to be pictured in a
// language: whether Qt's texts in it follow the language module.
struct StandardBoxEntry {
    std::string name;
    // `stage` is the program folder with its function-data files.
    std::function<std::unique_ptr<QWidget>(const CLanguageModule&, const std::string& stage)> create;
};

const std::vector<StandardBoxEntry>& StandardBoxes();

// Shows `box` and lets it finish laying out and listing files, so that a
// grab shows what a person would see.
void SettleForGrab(QWidget& box);

} // namespace qbx
