#!/usr/bin/python3
# Walks an application's accessibility tree over AT-SPI (what a screen reader reads) and counts
# the operable controls, and those of them without a name.
import sys, time
import pyatspi

OPERABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_TOOL_BAR,
    pyatspi.ROLE_LIST_BOX,
}
CONTAINERS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}


def walk(node, found, depth=0, path=''):
    if node is None or depth > 60:
        return
    try:
        role = node.getRole()
        states = node.getState()
        name = node.name or ''
    except Exception:
        return
    if not states.contains(pyatspi.STATE_SHOWING) and role != pyatspi.ROLE_MENU_ITEM and depth > 1:
        return
    if role in OPERABLE:
        found[path] = (node.getRoleName(), name)
    if role in CONTAINERS:
        return
    for i in range(node.childCount):
        try:
            walk(node.getChildAtIndex(i), found, depth + 1, path + '/%d' % i)
        except Exception:
            pass


def find(node, test, depth=0):
    if node is None or depth > 60:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), test, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        pass
    return None


def main():
    want = sys.argv[1] if len(sys.argv) > 1 else 'orvalis'
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(60):
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        apps = [a for a in apps if a is not None and want in (a.name or '').lower()]
        if apps and apps[0].childCount > 0:
            break
        time.sleep(1)
    else:
        print('application not found', file=sys.stderr)
        return 2
    found = {}
    walk(apps[0], found)
    # Each node of the folder tree in turn: its pane is walked too.
    trees = []
    find(apps[0], lambda n: n.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE) and trees.append(n))
    tree = max(trees, key=lambda t: t.childCount) if trees else None
    if tree is not None:
        try:
            sel = tree.querySelection()
        except NotImplementedError:
            sel = None
        rows = [i for i in range(tree.childCount)
                if tree.getChildAtIndex(i).getRole() in (pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_TABLE_CELL)]
        for i in rows:
            try:
                if sel is not None:
                    sel.clearSelection()
                    sel.selectChild(i)
                else:
                    act = tree.getChildAtIndex(i).queryAction()
                    names = [act.getName(k) for k in range(act.nActions)]
                    k = next((names.index(n) for n in ('toggle', 'Toggle', 'press', 'Press', 'select') if n in names), 0)
                    act.doAction(k)
            except Exception as e:
                print('select failed', e)
            time.sleep(2)
            walk(apps[0], found)
    nameless = [r for r, n in found.values() if not n.strip()]
    print('operable %d nameless %d' % (len(found), len(nameless)))
    counts = {}
    for r in nameless:
        counts[r] = counts.get(r, 0) + 1
    for r, c in sorted(counts.items()):
        print('  %s: %d' % (r, c))
    if '-v' in sys.argv:
        for p, (r, n) in sorted(found.items()):
            print('   ', p, r, repr(n))
    return 0


sys.exit(main())
