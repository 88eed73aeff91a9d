#pragma once

#include "ExArchive.h"
#include "ExKindIndex.h"
#include "ExParts.h"

#include <memory>
#include <string>

// The bytes Serialize stores for an element's record or a whole drawing, as a file holds them.
template <class Serializable> std::string Store(Serializable& object) {
    CExArchive ar;
    object.Serialize(ar);
    return ar.TakeStored();
}

// Reads an element's record as the document does: its class name picks the kind, which reads
// the rest. Null when the name is of no kind.
inline std::unique_ptr<CExParts> Load(const std::string& bytes) {
    CExArchive in(bytes);
    std::unique_ptr<CExParts> element = CreateElementOfKind(KindOfClassName(in.ReadString()));
    if (element) {
        element->Serialize(in);
    }
    return element;
}
