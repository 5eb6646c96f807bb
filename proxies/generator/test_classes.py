#!/usr/bin/env python3
"""How tarvelo-proxygen sees classes without proxies of their own, against a JDK's javap
($JAVAP): each type becomes its nearest proxied supertype, and a catalogue leaves out what
its proxies could not hold."""

import os
import sys
import unittest

import catalogue
import classes
import model

HERE = os.path.dirname(os.path.abspath(__file__))
PLATFORM = catalogue.load()
COMMON = catalogue.load(os.path.join(HERE, os.pardir, "common.txt"))

# (known catalogues, type descriptor, the class name its proxy has)
STANDS_FOR = [
    ([PLATFORM], "Ljava/lang/String;", "java/lang/String"),
    ([PLATFORM], "Ljava/lang/NumberFormatException;", "java/lang/RuntimeException"),
    ([PLATFORM, COMMON], "Ljava/lang/NumberFormatException;", "java/lang/NumberFormatException"),
    ([PLATFORM, COMMON], "Ljava/util/LinkedList;", "java/util/List"),
    ([PLATFORM], "Ljava/lang/Thread;", "java/lang/Object"),
    ([PLATFORM], "Ljava/lang/Runnable;", "java/lang/Object"),
    ([PLATFORM], "[Ljava/lang/String;", "[Ljava/lang/String;"),
    ([PLATFORM], "[Ljava/lang/Thread;", "[Ljava/lang/Object;"),
    ([PLATFORM], "[[I", "[Ljava/lang/Object;"),
    ([PLATFORM], "[J", "java/lang/Object"),
]

# Lines of the catalogue of Thread and GridBagConstraints: bases that another base derives from
# go, as do overloads that the C++ types no longer tell apart and fields of unproxied types.
CATALOGUE_LINES = [
    "class java/lang/Thread : java/lang/Object",
    "    constructor (Ljava/lang/ThreadGroup;Ljava/lang/String;)V",
    "    # left out, the same C++ parameters as (Ljava/lang/ThreadGroup;Ljava/lang/String;)V: "
    "constructor (Ljava/lang/Runnable;Ljava/lang/String;)V",
    "unproxied java/lang/Thread$State : java/lang/Comparable",
    "class java/awt/GridBagConstraints : java/lang/Cloneable java/io/Serializable",
    "    field gridx I",
    "    # left out, its type has no proxy: field insets Ljava/awt/Insets;",
]


class Resolving(unittest.TestCase):
    def test_types_stand_for_their_nearest_proxied_supertype(self):
        for known, descriptor, expected in STANDS_FOR:
            resolver = classes.Resolver({c.class_name for k in known for c in k.classes})
            with self.subTest(descriptor=descriptor, known=len(known)):
                self.assertEqual(resolver.class_name(descriptor), expected)

    def test_a_catalogue_keeps_what_its_proxies_can_hold(self):
        text = classes.catalogue_text(["java.lang.Thread", "java.awt.GridBagConstraints"], [PLATFORM], None)
        for line in CATALOGUE_LINES:
            with self.subTest(line=line):
                self.assertIn(line + "\n", text)
        # Proxies can be made of it: no two C++ overloads alike.
        model.Model(catalogue.parse(text).with_known([catalogue.load()]))


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    unittest.main()
