package com.drovantel.tarvelo.members;

/** Fields of every kind, read and written by the native binding layer's tests. */
public class FieldHolder {
    public boolean booleanField;
    public byte byteField;
    public char charField;
    public short shortField;
    public int intField;
    public long longField;
    public float floatField;
    public double doubleField;
    public String text;
    /** A field of the holder's own type, as java.util.Properties.defaults is. */
    public FieldHolder next;
    public final int finalInt = 7;
    public final String finalText = "fixed";

    public static boolean staticBoolean;
    public static byte staticByte;
    public static char staticChar;
    public static short staticShort;
    public static int staticInt;
    public static long staticLong;
    public static float staticFloat;
    public static double staticDouble;
    public static String staticText;
}
