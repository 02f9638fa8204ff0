#include "XmlBinding.h"

#include "XmlFile.h"

int BindingInt(const char* text, bool present, const char* what)
{
    if (!present)
        throw XmlBindingError(std::string("missing integer value: ") + what);
    const std::optional<int> v = ParseXmlInt(text);
    if (!v)
        throw XmlBindingError(std::string("'") + text + "' is not a valid integer value: " + what);
    return *v;
}

QString TXMLNodeBase::text() const
{
    return XmlText(m_node);
}

QString TXMLNodeBase::childText(const char* name) const
{
    return XmlText(m_node.child(name));
}

int TXMLNodeBase::childInt(const char* name) const
{
    const pugi::xml_node c = m_node.child(name);
    return BindingInt(c.child_value(), bool(c), name);
}

QString TXMLNodeBase::attrText(const char* name) const
{
    return XmlAttr(m_node, name);
}

int TXMLNodeBase::attrInt(const char* name) const
{
    const pugi::xml_attribute a = m_node.attribute(name);
    return BindingInt(a.value(), bool(a), name);
}
