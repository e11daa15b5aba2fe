#include "editor/editor.h"

#include <algorithm>
#include <utility>

#include "app/programcontext.h"
#include "editor/documentcommands.h"
#include "editor/refresh.h"

namespace fpw::editor {

namespace {

// Undo keeps this many steps; the oldest go first. Each step is one copy of the document, a
// few kilobytes even for an OmniMech with several variants.
constexpr std::size_t kUndoLimit = 1000;

} // namespace

Editor::Editor(app::ProgramContext& ctx) : ctx_(&ctx), doc_{model::Mech(ctx), {}, true} {
    ResetAllData(*this);
    clearHistory();
}

app::UserInteraction& Editor::user() const {
    return ctx_->user;
}

void Editor::replaceDocument(EditorDocument doc) {
    restoreDocument(std::move(doc));
    clearHistory();
}

void Editor::progress(std::string_view procedure) {
    (void)procedure; // the hook only lets the interface breathe; the text is not shown
    ctx_->user.processEvents();
}

Editor::Derived Editor::derived() const {
    return Derived{unallocatedWeapons_, selectedEquipment_, availableWeapons_, display_, choices_};
}

void Editor::restoreDerived(Derived d) {
    unallocatedWeapons_ = std::move(d.unallocatedWeapons);
    selectedEquipment_ = std::move(d.selectedEquipment);
    availableWeapons_ = std::move(d.availableWeapons);
    display_ = std::move(d.display);
    choices_ = std::move(d.choices);
}

bool Editor::perform(std::string_view procedure, const std::function<Outcome()>& rule) {
    progress(std::string("Processing: ").append(procedure));
    if (actionDepth_ > 0) {
        // Part of an action already running: that one keeps the step and the roll-back.
        return rule() == Outcome::Accepted;
    }
    EditorDocument before = doc_;
    Derived derivedBefore = derived();
    ++actionDepth_;
    Outcome outcome = Outcome::Refused;
    try {
        outcome = rule();
    } catch (...) {
        --actionDepth_;
        restoreDocument(std::move(before));
        restoreDerived(std::move(derivedBefore));
        notifyObservers();
        throw;
    }
    --actionDepth_;
    if (outcome == Outcome::Refused) {
        restoreDocument(std::move(before));
        restoreDerived(std::move(derivedBefore));
    } else if (!(doc_ == before)) {
        undo_.push_back(std::move(before));
        if (undo_.size() > kUndoLimit) {
            undo_.pop_front();
        }
        redo_.clear();
    }
    notifyObservers();
    return outcome == Outcome::Accepted;
}

void Editor::restoreDocument(EditorDocument doc) {
    // Assigning the design keeps the slot lists' views attached; they hear of the change.
    doc_.mech = std::move(doc.mech);
    doc_.items = std::move(doc.items);
    doc_.saved = doc.saved;
}

bool Editor::undo() {
    if (undo_.empty()) {
        return false;
    }
    redo_.push_back(doc_);
    restoreDocument(std::move(undo_.back()));
    undo_.pop_back();
    rebuildDerived();
    notifyObservers();
    return true;
}

bool Editor::redo() {
    if (redo_.empty()) {
        return false;
    }
    undo_.push_back(doc_);
    restoreDocument(std::move(redo_.back()));
    redo_.pop_back();
    rebuildDerived();
    notifyObservers();
    return true;
}

void Editor::clearHistory() {
    undo_.clear();
    redo_.clear();
}

void Editor::rebuildDerived() {
    UpdateAvailableTech(*this);
    RefreshWeapons(*this);
    RefreshSelectedWeapons(*this);
    RefreshDisplay(*this);
}

int Editor::addObserver(Observer observer) {
    const int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void Editor::removeObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Editor::notifyObservers() const {
    // A copy: an observer may remove itself while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers) {
        observer();
    }
}

} // namespace fpw::editor
