#pragma once

class QWidget;

// Builds the five reference pages into the main window's page frames.
namespace ReferencePages {
void build(QWidget* information, QWidget* festiveSeasons, QWidget* elements, QWidget* gods,
           QWidget* goddesses);
}
