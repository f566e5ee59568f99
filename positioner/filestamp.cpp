#include "filestamp.h"

#include <QDateTime>

namespace Positioner {

QString dateStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

void setDeclaration(pugi::xml_node declaration)
{
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
}

void appendDateComment(pugi::xml_document& document)
{
    document.append_child(pugi::node_comment)
        .set_value(QStringLiteral(" Date(ymd)/time(hms) %1 ").arg(dateStamp()).toLocal8Bit().constData());
}

}  // namespace Positioner
