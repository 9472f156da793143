#pragma once

#include <QWidget>

class QLabel;

// The "Pagan Information" page: the short and the long introduction.
class InformationPage : public QWidget
{
    Q_OBJECT

public:
    explicit InformationPage(QWidget* pageFrame);

    // A wrapping, literal, white text label at a fixed place; the other
    // introduction pages use it too.
    static QLabel* introductionLabel(QWidget* parent, const char* name, const QRect& geometry,
                                     int introduction);

private:
    QLabel* Label1;
    QLabel* Label2;
};
