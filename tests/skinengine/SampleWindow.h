#pragma once
// A main window laid out like the program's, with every category button, for
// the tests and the screenshot tool.
#include <QWidget>

#include <memory>

class QRadioButton;
class QTreeWidget;
class QPushButton;
class QSlider;

struct SampleWindow {
    std::unique_ptr<QWidget> frame;
    QRadioButton* categories[7] = {};
    QPushButton* close = nullptr;
    QTreeWidget* tree = nullptr;
    std::unique_ptr<QWidget> chooser;
    QSlider* hue = nullptr;
};

// Loads the installed packages once and builds the skinned sample.
SampleWindow MakeSampleWindow();
bool LoadInstalledPackages();
