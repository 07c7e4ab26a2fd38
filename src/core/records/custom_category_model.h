// The custom publisher category: a name of the user's and a tick any person can carry (a bit of
// the record's privileges). Renaming asks what becomes of the people who carry the old name.
#pragma once

#include <optional>
#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

class CustomCategoryModel {
public:
    explicit CustomCategoryModel(CZelvoDoc& doc);

    std::string name;  // UTF-8 as typed
    bool enabled = false;

    // The rename question, when the name as it would be stored differs from the old one and
    // people carry the category (with nobody to ask about, both answers do the same).
    struct RenameQuestion {
        std::string line;  // "5  Ευαγγελιζόμενοι είναι σημειωμένοι ως …"
        std::string keepOption;  // "Αλλαγή όλων από … σε …", the preselected answer
    };
    std::optional<RenameQuestion> renameQuestion() const;

    // How many people carry the category.
    int members() const;

    // OK: `clearMembers` is the answer "Απαλοιφή Ολων" to the rename question (false keeps the
    // ticks under the new name, as Cancel does). An empty name turns the category off. True
    // when something changed (the document is then modified).
    bool store(bool clearMembers);

private:
    std::string storedName() const;  // Windows-1253, trimmed, at most 15 characters

    CZelvoDoc& doc_;
};

}  // namespace zelvo::records
