#pragma once

#include <QDialog>

class LinkLabel;
class QPushButton;

// The About window: name, version, a description and two links, shown modally
// over the window that opens it. Everything in it is fixed.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    static const char* const Description;
    static const char* const Offer;

    explicit frmAbout(QWidget* owner = nullptr);
    void Form_Load() {}

    // Loads the window afresh, shows it modally over owner and unloads it on close.
    static void showModal(QWidget* owner);
};
