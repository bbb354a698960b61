#pragma once

#include "bound_page.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tavu {

namespace map {
struct MapDisplay;
}
class SpinEdit;

// The map page's controls: entries, restore steps, hints and the names a screen reader speaks.
std::vector<Binding> mapPageBindings();

// "対戦マップ": a battle map and its rule settings. Its settings are written only by
// "設定を保存".
class MapPage : public BoundPage {
    Q_OBJECT
public:
    explicit MapPage(PageContext& context);

    // Start-up leaves the displays empty.
    void clearForStart() override;

public slots:
    void SetU1Click();
    void SetU4Click();
    void ButtonMapSetUpClick();
    void ButtonMapSaveClick();

private:
    QWidget* buildConditions();
    QWidget* buildDisplays();
    QWidget* buildFacilities();
    void addComboRow(QGridLayout* grid, int row, int rule, const QString& name, const QStringList& items);
    void addRangeRow(QGridLayout* grid, int row, int rule, int pair);
    void runOkRule();
    void keepMinimumBelow(int pair);
    map::MapDisplay shownDisplay() const;
    void show(const map::MapDisplay& display, const map::MapDisplay& before);

    QList<QCheckBox*> rules_;
    QList<SpinEdit*> ranges_;
    QList<QComboBox*> combos_;
    QList<QLineEdit*> displays_;
    QList<QCheckBox*> facilities_;
    QPushButton* ok_ = nullptr;
};

} // namespace tavu
