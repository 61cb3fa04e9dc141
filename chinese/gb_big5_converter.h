// The converter object's insides: its text, the split into lines, the code tables it uses in
// place and the scratch space it keeps from one conversion to the next.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "quorvel/multilanguage.h"

struct CGBAndBig5::Impl {
    // The lines of the text, one after the other in a single buffer, and where each ends.
    class LineArray {
      public:
        void RemoveAll() {
            m_text.clear();
            m_ends.clear();
        }
        int GetSize() const { return static_cast<int>(m_ends.size()); }
        // Builds the next line piece by piece.
        void Append(const char* text, std::size_t length) { m_text.append(text, length); }
        void AppendSpaces(std::size_t count) { m_text.append(count, ' '); }
        void EndLine() { m_ends.push_back(m_text.size()); }
        void Add(const char* text, std::size_t length) {
            Append(text, length);
            EndLine();
        }

      private:
        std::string m_text;
        std::vector<std::size_t> m_ends;
    };

    Impl();

    // conversionOn: the switch as the caller read it, once for the whole conversion.
    int Translate(const char* text, std::size_t length, char direction, bool conversionOn);
    // What GetText does to the text before it is read: trailing LFs, then CRs, go.
    void TrimTrailingLineBreaks();

    long CalLineNumber();
    void BigtoGB();
    void GBtoBig();
    // The source text converted through the cells (none: no pair is replaced) into m_strText,
    // its lines put together again.
    void ConvertSource(const unsigned char* cells);
    int LoadResource();
    void FreeResource();

    int m_bTablesLoaded = 0;
    // Whether the tables were looked for: not while the switch was off, so the first
    // conversion with the switch on loads them.
    bool m_bTablesSought = false;
    // The switch as the conversion in progress read it.
    bool m_bConversionOn = false;
    long m_lLineNumber = 0;
    std::string m_strText;
    LineArray m_arrLines;
    HGLOBAL m_hGB2BigRes = nullptr;
    HGLOBAL m_hBig2GBRes = nullptr;
    const unsigned char* m_pGB2BigTable = nullptr;
    const unsigned char* m_pBig2GBTable = nullptr;
    // Big5 to code page 936 in one step (resource 11009) and code page 936 to Big5 for every
    // double-byte pair (resource 11010), beside the two tables above.
    HGLOBAL m_hBig2Cp936Res = nullptr;
    HGLOBAL m_hCp9362BigRes = nullptr;
    const unsigned char* m_pBig2Cp936Table = nullptr;
    const unsigned char* m_pCp9362BigTable = nullptr;
    // The text that BigtoGB and GBtoBig convert into m_strText, read in place while Translate
    // runs; as far as they are concerned it ends with a line break.
    const char* m_pSource = nullptr;
    std::size_t m_nSource = 0;
    // Scratch space of the detection, kept from one conversion to the next.
    std::string m_strDetection;
    // What replaces each pair of a lead of 0x80 or above and any byte after it, one cell per
    // direction, made from the tables at the first conversion in that direction.
    std::vector<unsigned char> m_arrBig5Cells;
    std::vector<unsigned char> m_arrGbCells;
};
