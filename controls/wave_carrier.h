#pragma once

#include <QObject>
#include <QString>

class QPushButton;
class QRadioButton;
class QWidget;
struct ChainState;

// The choice of the wave carrier: the torsion chain, where only the springs act, or the
// pendulum chain, where every mass is also pulled back towards rest. The chain type is recorded
// only in selfCoeff; nothing else is reset, so a running wave carries on with the new force.
class WaveCarrier : public QObject {
    Q_OBJECT

public:
    // The window whose title names the carrier, the two option buttons and the information
    // button, whose caption names the carrier too.
    struct Controls {
        QWidget& window;
        QRadioButton& Option1;
        QRadioButton& Option2;
        QPushButton& Command6;
    };

    WaveCarrier(ChainState& state, const Controls& controls);

    // The information button's caption at start: the torsion chain's.
    static QString startInfoCaption();

    // A click on "Torsionskette" and on "Pendelkette". Connect them to the buttons' clicked
    // signal, which the buttons set here do not raise again.
    void Option1_Click();
    void Option2_Click();

private:
    void choose(float selfCoeff, QRadioButton& chosen, QRadioButton& other, const QString& title,
                const QString& infoCaption);

    ChainState& state_;
    Controls c_;
};
