#include "Fonts.h"

#include <QFont>
#include <QWidget>

namespace kuvel::ui {

void useFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void setPointSize(QWidget& widget, double points)
{
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

}  // namespace kuvel::ui
