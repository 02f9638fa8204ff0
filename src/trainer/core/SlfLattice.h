#pragma once

#include "Failure.h"

#include <QString>

#include <vector>

// A word network read from an HTK standard lattice file (SLF), with every
// sub-lattice reference replaced by a copy of the sub-lattice. Words sit on
// nodes; "!NULL" marks a node without a word. Link weights are natural-log
// likelihoods (the "l=" field, 0 when absent).
struct WordGraph {
    struct Link {
        int from = 0;
        int to = 0;
        double logLikelihood = 0.0;
    };
    std::vector<QString> words; // one per node
    std::vector<Link> links;
    int start = 0;              // the node no link enters
    int end = 0;                // the node no link leaves
};

// Reads the text of a lattice file. A file holds sub-lattices, each opened by
// "SUBLAT=name" and closed by a line ".", and then the main lattice (the one
// without SUBLAT), closed by "." or by the end of the text. A sub-lattice must
// be defined before it is referenced by a node "L=name". Within a lattice the
// "N=" nodes and "L=" links must each be given exactly once with indices below
// those counts, and exactly one node may have no incoming and one no outgoing
// link. Fields are "name=value" separated by blanks; a value may contain blanks
// (a word of several words) and runs up to the next field. Violations give a
// failure naming the line; huge expansions are refused.
Expected<WordGraph> ParseSlfLattice(const QString& text);
