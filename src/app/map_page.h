#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tavu {

struct AppContext;
class SpinEdit;

// "対戦マップ": a battle map and its rule settings. Its settings are written only by
// "設定を保存".
class MapPage : public QWidget {
    Q_OBJECT
public:
    MapPage(AppContext& context, QWidget* parent);

    QList<QCheckBox*> rules() const { return rules_; }           // SetU1 .. SetU7
    QList<SpinEdit*> ranges() const { return ranges_; }          // SESet1 .. SESet6
    QList<QComboBox*> conditions() const { return combos_; }     // CBSet1, CBset2, CBset3, CBSet4
    QList<QLineEdit*> displays() const { return displays_; }     // EditU1 .. EditU10
    QList<QCheckBox*> facilities() const { return facilities_; } // SetCB1 .. SetCB4

public slots:
    void SetU1Click();
    void SetU4Click();
    void SESet1Change();
    void SESet3Change();
    void SESet5Change();
    void ButtonMapSetUpClick();
    void ButtonMapSaveClick();

private:
    QWidget* buildConditions();
    QWidget* buildDisplays();
    QWidget* buildFacilities();
    void addComboRow(QGridLayout* grid, int row, int rule, const QString& name, const QStringList& items);
    void addRangeRow(QGridLayout* grid, int row, int rule, int firstSpin);
    void connectHandlers();
    void runOkRule();
    void keepMinimumBelow(int pair, int step);

    AppContext& ctx_;
    QList<QCheckBox*> rules_;
    QList<SpinEdit*> ranges_;
    QList<QComboBox*> combos_;
    QList<QLineEdit*> displays_;
    QList<QCheckBox*> facilities_;
    QPushButton* ok_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace tavu
