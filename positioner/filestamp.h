// What every file the library writes for the controller starts and ends with.
#pragma once

#include <QString>

#include <pugixml.hpp>

namespace Positioner {

// The local date and time of writing, "yyyy/MM/dd hh:mm:ss".
QString dateStamp();

// The declaration node: version "1.0", encoding "UTF-8", in that order.
void setDeclaration(pugi::xml_node declaration);

// The comment " Date(ymd)/time(hms) <stamp> " as the document's last child.
void appendDateComment(pugi::xml_document& document);

}  // namespace Positioner
