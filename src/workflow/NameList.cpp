#include "NameList.h"

TextArray NameList;

void createNameList() { NameList = TextArray::oneDimension(); }

void releaseNameList() { releaseTextArray(std::move(NameList)); }
