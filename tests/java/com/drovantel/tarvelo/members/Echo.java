package com.drovantel.tarvelo.members;

/** Methods of every result type that return what they are given, for the native binding layer's tests. */
public class Echo {
    private static int remembered;

    public boolean echoBoolean(boolean v) { return v; }
    public byte echoByte(byte v) { return v; }
    public char echoChar(char v) { return v; }
    public short echoShort(short v) { return v; }
    public int echoInt(int v) { return v; }
    public long echoLong(long v) { return v; }
    public float echoFloat(float v) { return v; }
    public double echoDouble(double v) { return v; }
    public Object echoObject(Object v) { return v; }
    public void remember(int v) { remembered = v; }

    public static boolean staticEchoBoolean(boolean v) { return v; }
    public static byte staticEchoByte(byte v) { return v; }
    public static char staticEchoChar(char v) { return v; }
    public static short staticEchoShort(short v) { return v; }
    public static int staticEchoInt(int v) { return v; }
    public static long staticEchoLong(long v) { return v; }
    public static float staticEchoFloat(float v) { return v; }
    public static double staticEchoDouble(double v) { return v; }
    public static Object staticEchoObject(Object v) { return v; }
    public static void staticRemember(int v) { remembered = v; }
    public static int remembered() { return remembered; }

    /** Every argument kind in one list, so that one read at the wrong width shifts all that follow. */
    public static String describe(boolean z, byte b, char c, short s, int i, long j, float f, double d) {
        return z + " " + b + " " + (int) c + " " + s + " " + i + " " + j + " " + f + " " + d;
    }

    public String name() { return "Echo"; }

    public void fail() { throw new IllegalStateException("fail"); }

    /** An Echo whose name() is overridden. */
    public static class Overriding extends Echo {
        @Override
        public String name() { return "Overriding"; }
    }
}
