#include "script/vbscript/Parser.h"

#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

void Parser::declareLocal(const Name &name, bool isConst)
{
    if (m_proc->localIndex.contains(name.key)) {
        failAt(m_toks[m_pos - 1], 1041);
    }
    m_proc->localIndex.insert(name.key, int(m_proc->locals.size()));
    m_proc->locals.push_back(name);
    m_proc->localConst.push_back(isConst);
}

void Parser::declareField(ClassDef &cls, const Name &name, bool isPublic, ExprList bounds, bool isArray)
{
    if (cls.members.contains(name.key)) {
        fail(1041);
    }
    ClassMember m;
    m.field = int(cls.fields.size());
    m.isPublic = isPublic;
    cls.members.insert(name.key, m);
    cls.fields.push_back(name);
    cls.fieldBounds.push_back(std::move(bounds));
    cls.fieldIsArray.push_back(isArray);
}

StmtPtr Parser::parseDim(bool inClass)
{
    const Token start = cur();
    bool isPublic = !start.is(Kw::Private);
    next();
    auto s = node<DimStmt>(start);
    for (;;) {
        if (cur().kind != Tok::Ident) {
            fail(1010);
        }
        const Token nameTok = cur();
        Name name = Name::of(nameTok.text);
        next();
        DimItem item;
        if (cur().isOp('(')) {
            item.isArray = true;
            item.bounds = parseBounds(true);
        }
        if (inClass) {
            declareField(*m_class, name, isPublic, std::move(item.bounds), item.isArray);
        } else {
            if (m_proc) {
                declareLocal(name, false);
            } else {
                m_unit->globals.push_back(name);
            }
            item.target.reset(makeIdent(nameTok));
            s->items.push_back(std::move(item));
        }
        if (cur().isOp(',')) {
            next();
            continue;
        }
        break;
    }
    return s;
}

StmtPtr Parser::parseReDim()
{
    const Token start = cur();
    next();
    auto s = node<ReDimStmt>(start);
    if (cur().isWord("preserve")) {
        s->preserve = true;
        next();
    }
    for (;;) {
        if (cur().kind != Tok::Ident) {
            fail(1010);
        }
        DimItem item;
        item.target.reset(makeIdent(cur()));
        next();
        item.isArray = true;
        item.bounds = parseBounds(false);
        if (item.bounds.empty()) {
            fail(1023);
        }
        s->items.push_back(std::move(item));
        if (cur().isOp(',')) {
            next();
            continue;
        }
        break;
    }
    return s;
}

StmtPtr Parser::parseConst()
{
    const Token start = cur();
    next();
    auto s = node<ConstStmt>(start);
    if (m_class && !m_proc) {
        fail(1024);
    }
    for (;;) {
        if (cur().kind != Tok::Ident) {
            fail(1010);
        }
        const Token nameTok = cur();
        Name name = Name::of(nameTok.text);
        next();
        if (m_proc) {
            declareLocal(name, true);
        } else {
            m_unit->constants.push_back(name);
        }
        expectOp('=', 1011);
        ExprPtr target(makeIdent(nameTok));
        s->items.emplace_back(std::move(target), parseExpr());
        if (cur().isOp(',')) {
            next();
            continue;
        }
        break;
    }
    return s;
}

void Parser::parseProc(ProcDef::Kind kind, bool isPublic, bool isDefault)
{
    if (m_proc) {
        fail(1024);
    }
    auto proc = std::make_unique<ProcDef>();
    proc->line = cur().line;
    proc->kind = kind;
    proc->isPublic = isPublic;
    proc->isDefault = isDefault;
    proc->owner = m_class;
    proc->unit = m_unit.get();
    proc->name = Name::of(identifier());
    m_proc = proc.get();
    // Slot 0: the result, named after the procedure where assigning to the
    // name sets the return value.
    proc->locals.push_back(proc->name);
    proc->localConst.push_back(false);
    if (kind == ProcDef::Function || kind == ProcDef::PropertyGet) {
        proc->localIndex.insert(proc->name.key, 0);
    }
    if (cur().isOp('(')) {
        next();
        while (!cur().isOp(')')) {
            Param p;
            if (accept(Kw::ByVal)) {
                p.byVal = true;
            } else {
                accept(Kw::ByRef);
            }
            p.name = Name::of(identifier());
            if (cur().isOp('(')) {
                next();
                expectOp(')', 1006);
                p.isArray = true;
            }
            declareLocal(p.name, false);
            proc->params.push_back(p);
            if (cur().isOp(',')) {
                next();
                continue;
            }
            if (!cur().isOp(')')) {
                fail(1006);
            }
        }
        next();
    }
    if ((kind == ProcDef::PropertyLet || kind == ProcDef::PropertySet) && proc->params.empty()) {
        fail(1054);
    }
    endStatement();
    proc->body = parseBlock();
    if (!accept(Kw::End)) {
        fail(1014);
    }
    if (kind == ProcDef::Sub) {
        expect(Kw::Sub, 1016);
    } else if (kind == ProcDef::Function) {
        expect(Kw::Function, 1015);
    } else {
        expect(Kw::Property, 1050);
    }
    bindProcNames(*proc);
    m_proc = nullptr;

    if (!m_class) {
        m_unit->procs.push_back(std::move(proc));
        return;
    }
    ClassDef &cls = *m_class;
    ClassMember &m = cls.members[proc->name.key];
    if (m.field >= 0) {
        fail(1041);
    }
    ProcDef **slot = kind == ProcDef::PropertyLet ? &m.let : kind == ProcDef::PropertySet ? &m.set : &m.get;
    if (*slot || ((kind == ProcDef::Sub || kind == ProcDef::Function) && (m.let || m.set)) ||
        (kind >= ProcDef::PropertyGet && m.get && m.get->kind < ProcDef::PropertyGet)) {
        fail(1041);
    }
    *slot = proc.get();
    m.isPublic = isPublic;
    if (proc->name.key == QLatin1String("class_initialize") ||
        proc->name.key == QLatin1String("class_terminate")) {
        if (!proc->params.empty()) {
            fail(1053);
        }
        (proc->name.key == QLatin1String("class_initialize") ? cls.initialize : cls.terminate) = proc.get();
    }
    if (isDefault) {
        if (!cls.defaultMember.isEmpty()) {
            fail(1052);
        }
        cls.defaultMember = proc->name.key;
    }
    cls.procs.push_back(std::move(proc));
}

void Parser::bindProcNames(ProcDef &proc)
{
    const bool returns = proc.kind == ProcDef::Function || proc.kind == ProcDef::PropertyGet;
    for (IdentExpr *id : m_procIdents) {
        auto it = proc.localIndex.find(id->name.key);
        if (it != proc.localIndex.end()) {
            id->res.kind = (*it == 0 && returns) ? Resolution::Result : Resolution::Local;
            id->res.index = *it;
        } else if (m_class) {
            m_classIdents.emplace_back(id, &proc);
        }
    }
    m_procIdents.clear();
}

void Parser::parseClass()
{
    if (m_class || m_proc) {
        fail(1024);
    }
    auto cls = std::make_unique<ClassDef>();
    cls->name = Name::of(identifier());
    for (const auto &c : m_unit->classes) {
        if (c->name.key == cls->name.key) {
            fail(1041);
        }
    }
    endStatement();
    m_class = cls.get();
    parseClassBody();
    if (!accept(Kw::End)) {
        fail(1014);
    }
    expect(Kw::Class, 1047);
    bindClassNames(*cls);
    m_class = nullptr;
    m_unit->classes.push_back(std::move(cls));
}

void Parser::parseClassBody()
{
    for (;;) {
        skipSeparators();
        if (cur().is(Kw::End) || cur().kind == Tok::End) {
            return;
        }
        bool isPublic = true;
        bool hadScope = false;
        bool isDefault = false;
        if (cur().is(Kw::Public) || cur().is(Kw::Private)) {
            isPublic = cur().is(Kw::Public);
            hadScope = true;
            if (peek().kind == Tok::Ident && !peek().isWord("default")) {
                parseDim(true);
                endStatement();
                continue;
            }
            next();
        }
        if (cur().isWord("default")) {
            if (!hadScope || !isPublic) {
                fail(1057);
            }
            isDefault = true;
            next();
        }
        if (accept(Kw::Sub)) {
            parseProc(ProcDef::Sub, isPublic, isDefault);
        } else if (accept(Kw::Function)) {
            parseProc(ProcDef::Function, isPublic, isDefault);
        } else if (accept(Kw::Property)) {
            ProcDef::Kind kind;
            if (cur().isWord("get")) {
                kind = ProcDef::PropertyGet;
            } else if (cur().isWord("let")) {
                kind = ProcDef::PropertyLet;
            } else if (cur().is(Kw::Set)) {
                kind = ProcDef::PropertySet;
            } else {
                fail(1049);
            }
            if (isDefault && kind != ProcDef::PropertyGet) {
                fail(1058);
            }
            next();
            parseProc(kind, isPublic, isDefault);
        } else if (cur().is(Kw::Dim) && !hadScope) {
            parseDim(true);
        } else {
            fail(1024);
        }
        endStatement();
    }
}

void Parser::bindClassNames(ClassDef &cls)
{
    for (auto &[id, proc] : m_classIdents) {
        auto it = cls.members.find(id->name.key);
        if (it == cls.members.end()) {
            continue;
        }
        if (it->field >= 0) {
            id->res.kind = Resolution::Field;
            id->res.index = it->field;
        } else {
            id->res.kind = Resolution::Member;
        }
    }
    m_classIdents.clear();
}

} // namespace cellvex::vbs
