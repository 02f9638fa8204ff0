#pragma once

#include <pugixml.hpp>

#include <QString>

#include <stdexcept>

// The typed bindings of the course files are thin wrappers over a pugixml DOM:
// one class per element type, one accessor per child element or attribute.
// Wrappers hold only a node handle and never cache values; every read goes to
// the DOM, so a wrapper is valid exactly as long as its document is.
//
// Reading rules, the same for every binding:
// - a text element or attribute that is absent reads as the empty text;
// - an integer element or attribute that is absent or not a decimal number is
//   a conversion error, thrown as XmlBindingError. Bindings are only used
//   inside the guarded blocks of the loaders (exercise load and release, the
//   course scan, the definitions loader), which turn the error into the
//   message their caller names; it never leaves the core library.

class XmlBindingError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TXMLNodeBase {
public:
    TXMLNodeBase() = default;
    explicit TXMLNodeBase(pugi::xml_node node) : m_node(node) {}

    pugi::xml_node node() const { return m_node; }
    bool exists() const { return bool(m_node); }
    QString text() const; // the element's text content

protected:
    pugi::xml_node child(const char* name) const { return m_node.child(name); }
    QString childText(const char* name) const;
    int childInt(const char* name) const;
    QString attrText(const char* name) const;
    int attrInt(const char* name) const;

private:
    pugi::xml_node m_node;
};

// Converts an element's or attribute's text with the binding rules; `what`
// names the value in the error.
int BindingInt(const char* text, bool present, const char* what);

// The repeated child elements `name` of a parent, in document order, addressed
// by zero-based index or walked with a range-for (which is linear; indexing
// walks from the first element each time).
template <typename T>
class TXMLList {
public:
    TXMLList(pugi::xml_node parent, const char* name) : m_parent(parent), m_name(name) {}

    int count() const
    {
        int n = 0;
        for (pugi::xml_node c = first(); c; c = c.next_sibling(m_name))
            ++n;
        return n;
    }
    T operator[](int index) const
    {
        pugi::xml_node c = first();
        for (int i = 0; c && i < index; ++i)
            c = c.next_sibling(m_name);
        if (!c)
            throw XmlBindingError(std::string("list index out of bounds: ") + m_name);
        return T(c);
    }

    class iterator {
    public:
        iterator(pugi::xml_node n, const char* name) : m_n(n), m_name(name) {}
        T operator*() const { return T(m_n); }
        iterator& operator++()
        {
            m_n = m_n.next_sibling(m_name);
            return *this;
        }
        bool operator!=(const iterator& o) const { return m_n != o.m_n; }

    private:
        pugi::xml_node m_n;
        const char* m_name;
    };
    iterator begin() const { return iterator(first(), m_name); }
    iterator end() const { return iterator(pugi::xml_node(), m_name); }

private:
    pugi::xml_node first() const { return m_parent.child(m_name); }
    pugi::xml_node m_parent;
    const char* m_name;
};
