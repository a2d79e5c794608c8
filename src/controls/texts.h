#pragma once

#include <vector>

// A source text of the catalogues with the context it is translated in.
struct SourceText
{
    const char* context;
    const char* text;
};

// Every text that windows show through QCoreApplication::translate, so that the catalogues carry
// them before the windows exist and so that their completeness can be checked.
const std::vector<SourceText>& sourceTexts();
